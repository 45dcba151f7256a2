#pragma once
// Keys by name for "tvremote key": a letter or digit ("M", "5"), a named key ("pgup",
// "numpad5", "F4") or a chord of modifiers and one key ("ctrl+alt+f4"). The result is the
// virtual-key codes to press, modifiers first.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "panel/panel_window.h"

namespace tv::remote {

using VirtualKey = std::uint16_t;

// Virtual keys the panel itself has no name for.
inline constexpr VirtualKey kVkBack = 0x08, kVkTab = 0x09, kVkReturn = 0x0D;
inline constexpr VirtualKey kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12;
inline constexpr VirtualKey kVkEscape = 0x1B, kVkEnd = 0x23, kVkHome = 0x24;
inline constexpr VirtualKey kVkInsert = 0x2D, kVkDelete = 0x2E, kVkLeftWin = 0x5B;
inline constexpr VirtualKey kVkMultiply = 0x6A, kVkDecimal = 0x6E, kVkDivide = 0x6F;
inline constexpr VirtualKey kVkF1 = 0x70;
inline constexpr int kFunctionKeys = 12;

struct KeyChord {
  std::vector<VirtualKey> modifiers;  // pressed in this order, released in reverse
  VirtualKey key = 0;
  friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

struct NamedKey {
  const char* name;
  VirtualKey key;
};

inline constexpr NamedKey kModifierNames[] = {
    {"ctrl", kVkControl}, {"control", kVkControl}, {"alt", kVkMenu},
    {"shift", kVkShift},  {"win", kVkLeftWin},
};

inline constexpr NamedKey kKeyNames[] = {
    {"space", static_cast<VirtualKey>(panel::kVkSpace)},
    {"pgup", static_cast<VirtualKey>(panel::kVkPrior)},
    {"pageup", static_cast<VirtualKey>(panel::kVkPrior)},
    {"pgdn", static_cast<VirtualKey>(panel::kVkNext)},
    {"pagedown", static_cast<VirtualKey>(panel::kVkNext)},
    {"up", static_cast<VirtualKey>(panel::kVkUp)},
    {"down", static_cast<VirtualKey>(panel::kVkDown)},
    {"left", static_cast<VirtualKey>(panel::kVkLeft)},
    {"right", static_cast<VirtualKey>(panel::kVkRight)},
    {"add", static_cast<VirtualKey>(panel::kVkAdd)},
    {"subtract", static_cast<VirtualKey>(panel::kVkSubtract)},
    {"multiply", kVkMultiply},
    {"divide", kVkDivide},
    {"decimal", kVkDecimal},
    {"enter", kVkReturn},
    {"return", kVkReturn},
    {"esc", kVkEscape},
    {"escape", kVkEscape},
    {"tab", kVkTab},
    {"backspace", kVkBack},
    {"home", kVkHome},
    {"end", kVkEnd},
    {"insert", kVkInsert},
    {"delete", kVkDelete},
};

// Keys that sit on the extended part of the keyboard: their key events carry the extended
// flag, or the receiving side reads them as the numeric pad's twins.
inline bool IsExtendedKey(VirtualKey key) {
  switch (key) {
    case panel::kVkPrior:
    case panel::kVkNext:
    case kVkEnd:
    case kVkHome:
    case panel::kVkLeft:
    case panel::kVkUp:
    case panel::kVkRight:
    case panel::kVkDown:
    case kVkInsert:
    case kVkDelete:
    case kVkDivide:
    case kVkLeftWin:
      return true;
    default:
      return false;
  }
}

inline std::optional<VirtualKey> LookUp(std::span<const NamedKey> table, std::string_view name) {
  for (const NamedKey& k : table)
    if (SameName(k.name, name)) return k.key;
  return std::nullopt;
}

// One key without modifiers: a letter or digit, F1..F12, numpad0..numpad9, a named key or a
// modifier on its own.
inline std::optional<VirtualKey> ParseKey(std::string_view name) {
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= '0' && c <= '9') return static_cast<VirtualKey>(c);
    if (LowerAscii(c) >= 'a' && LowerAscii(c) <= 'z')
      return static_cast<VirtualKey>(LowerAscii(c) - 'a' + 'A');
    return std::nullopt;
  }
  if (const auto key = LookUp(kKeyNames, name)) return key;
  if (const auto key = LookUp(kModifierNames, name)) return key;
  const auto numberAfter = [&](std::string_view prefix) -> std::optional<long long> {
    if (name.size() <= prefix.size() || !SameName(name.substr(0, prefix.size()), prefix))
      return std::nullopt;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.size() > 2 || digits[0] < '0' || digits[0] > '9') return std::nullopt;
    return ParseInteger(digits);
  };
  if (const auto n = numberAfter("numpad"); n && *n >= 0 && *n <= 9)
    return static_cast<VirtualKey>(panel::kVkNumpad0 + static_cast<std::uint32_t>(*n));
  if (const auto n = numberAfter("f"); n && *n >= 1 && *n <= kFunctionKeys)
    return static_cast<VirtualKey>(kVkF1 + *n - 1);
  return std::nullopt;
}

// "ctrl+alt+f4": every part before the last must be a modifier, the last is the key.
inline std::optional<KeyChord> ParseKeyChord(std::string_view text) {
  KeyChord chord;
  while (true) {
    const std::size_t plus = text.find('+');
    if (plus == std::string_view::npos) break;
    const auto modifier = LookUp(kModifierNames, text.substr(0, plus));
    if (!modifier) return std::nullopt;
    chord.modifiers.push_back(*modifier);
    text.remove_prefix(plus + 1);
  }
  const auto key = ParseKey(text);
  if (!key) return std::nullopt;
  chord.key = *key;
  return chord;
}

}  // namespace tv::remote
