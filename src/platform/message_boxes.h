#pragma once
// Modal message boxes with the platform's style flags and answers.

#include <cstdint>
#include "platform/handles.h"

namespace tv {

inline constexpr std::uint32_t kMbOk = 0x0;
inline constexpr std::uint32_t kMbOkCancel = 0x1;
inline constexpr std::uint32_t kMbYesNo = 0x4;
inline constexpr std::uint32_t kMbIconError = 0x10;
inline constexpr std::uint32_t kMbIconQuestion = 0x20;
inline constexpr std::uint32_t kMbIconWarning = 0x30;
inline constexpr std::uint32_t kMbIconInformation = 0x40;
inline constexpr std::uint32_t kMbSetForeground = 0x10000;  // the box comes to the foreground
inline constexpr std::uint32_t kMbTopmost = 0x40000;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // caption null: the platform's default caption ("Error").
  virtual int Show(WindowRef owner, const char* text, const char* caption, std::uint32_t style) = 0;
};

}  // namespace tv
