#pragma once
// Message boxes recorded and answered as a user pressing Enter would: OK, or Yes.

#include <optional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace tv::fakes {

struct ShownMessageBox {
  WindowRef owner;
  std::string text;
  std::optional<std::string> caption;  // nullopt: the platform's default caption
  std::uint32_t style = 0;
};

class FakeMessageBoxes : public MessageBoxes {
 public:
  int Show(WindowRef owner, const char* text, const char* caption, std::uint32_t style) override {
    shown_.push_back(ShownMessageBox{
        owner, text != nullptr ? text : "",
        caption != nullptr ? std::optional<std::string>(caption) : std::nullopt, style});
    return (style & 0xF) == kMbYesNo ? kIdYes : kIdOk;
  }

  const std::vector<ShownMessageBox>& Shown() const { return shown_; }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& box : shown_) texts.push_back(box.text);
    return texts;
  }

 private:
  std::vector<ShownMessageBox> shown_;
};

}  // namespace tv::fakes
