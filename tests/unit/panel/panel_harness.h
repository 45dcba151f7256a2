#pragma once
// A panel on the fake platform in one line: an installation folder with win.ini pointing at
// it, the context, and a panel window whose WM_COMMANDs are recorded (and, when a test sets
// onCommand, handled).

#include <cstdint>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/locations.h"
#include "app/panel_context.h"
#include "commands/command_gate.h"
#include "fakes/fake_platform.h"
#include "panel/layout.h"
#include "panel/panel_timers.h"

namespace tv::testing {

// One message as "id lParam;" ("message:wParam lParam;" when not a command), " sent" if sent.
inline std::string Msg(std::uintptr_t w, std::intptr_t l = 0, bool sent = false,
                       std::uint32_t message = kWmCommand) {
  return (message == kWmCommand ? "" : std::to_string(message) + ":") + std::to_string(w) + " " +
         std::to_string(l) + (sent ? " sent;" : ";");
}

// Values as text, separated by spaces.
template <typename... T>
std::string Join(const T&... values) {
  std::ostringstream out;
  ((out << (out.tellp() > 0 ? " " : "") << values), ...);
  return out.str();
}

// A container's values as text, separated by `separator`.
template <typename C>
std::string JoinAll(const C& values, const char* separator = " ") {
  std::ostringstream out;
  for (const auto& v : values) out << (out.tellp() > 0 ? separator : "") << v;
  return out.str();
}

class PanelHarness {
 public:
  explicit PanelHarness(const std::string& panelIniText = "")
      : dir(fake.Install()), ctx(fake.platform, ResolveLocations(fake.profile, fake.files)) {
    if (!panelIniText.empty()) fake.WriteFile(ctx.where.panelIni, panelIniText);
    ctx.windows.panel = fake.messenger.AddWindow(
        kPanelClass, kPanelTitle,
        [this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
          received.push_back(
              Received{message, static_cast<std::uint16_t>(wParam & 0xFFFF), lParam});
          if (message == kWmCommand && onCommand)
            onCommand(static_cast<std::uint16_t>(wParam & 0xFFFF), lParam);
          return std::intptr_t{0};
        });
    panel::LoadPanelLayout(ctx.layout, ctx.panelIni);
    panel::ApplyOpenStateOverrides(ctx.layout, ctx.panelIni, 0);
  }

  struct Received {
    std::uint32_t message;
    std::uint16_t id;
    std::intptr_t lParam;
  };

  // The WM_COMMAND ids the panel received, in order.
  std::vector<std::uint16_t> Commands() const {
    std::vector<std::uint16_t> ids;
    for (const auto& r : received)
      if (r.message == kWmCommand) ids.push_back(r.id);
    return ids;
  }

  WindowRef AddVideoWindow() { return fake.messenger.AddWindow(kVideoClass, kVideoTitle); }

  // Commands through the gate and the handlers, the panel's timers, and posts delivered between
  // ticks, as the window procedure and the message loop do.
  void Live() {
    onCommand = [this](std::uint16_t id, std::intptr_t l) { commands::OnCommand(ctx, id, l); };
    fake.time.onTimer = [this](std::uint32_t id) { panel::OnTimer(ctx, id); };
    fake.time.onIdle = [this] { fake.messenger.DispatchPosted(); };
  }
  // One command handled, then the posts it made delivered.
  void Run(std::uint16_t id, std::intptr_t lParam = 0) {
    commands::OnCommand(ctx, id, lParam);
    fake.messenger.DispatchPosted();
  }
  // A settings key written, or deleted when the value is null.
  void SetOrDelete(const keys::Key& key, const char* value) {
    value != nullptr ? ctx.settings.Write(key, value) : ctx.settings.Delete(key);
  }
  // Every message to one window (to any when none is named), in order, each as Msg gives it.
  std::string Log(std::optional<WindowRef> to = std::nullopt) const {
    std::string out;
    for (const auto& m : fake.messenger.Log())
      if (!to || m.to == *to)
        out += Msg(m.wParam, m.lParam, m.delivery == fakes::Delivery::Sent, m.message);
    return out;
  }
  // The LCD read back: at each slot, the digit of the last glyph copied there from the glyph row
  // (glyph 0 at glyph0X, `step` apart; any row when glyphY < 0), '?' where none was.
  std::string LcdDigits(int glyph0X, int glyphY, int step, const std::vector<Point>& slots) const {
    std::string text;
    for (const Point& slot : slots) {
      char digit = '?';
      for (const fakes::Copy& c : fake.graphics.WindowCopies())
        if (c.from == Surface::Sprites && c.to == slot && (glyphY < 0 || c.source.y == glyphY))
          digit = static_cast<char>('0' + (c.source.x - glyph0X) / step);
      text += digit;
    }
    return text;
  }
  // Every message box shown, each as "text|caption|owner|style;" ("-": the default caption).
  std::string Boxes() const {
    std::string out;
    for (const auto& b : fake.messageBoxes.Shown())
      out += b.text + "|" + b.caption.value_or("-") + "|" + fakes::Hex(b.owner) + "|" +
             std::to_string(b.style) + ";";
    return out;
  }
  std::string Settings() const { return fake.ReadFile(ctx.where.settingsIni); }

  fakes::FakePlatform fake;
  std::string dir;
  PanelContext ctx;
  std::vector<Received> received;
  std::function<void(std::uint16_t id, std::intptr_t lParam)> onCommand;
};

}  // namespace tv::testing
