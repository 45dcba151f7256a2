#pragma once
// A panel on the fake platform in one line: an installation folder with win.ini pointing at
// it, the context, and a panel window whose WM_COMMANDs are recorded (and, when a test sets
// onCommand, handled).

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/locations.h"
#include "app/panel_context.h"
#include "fakes/fake_platform.h"
#include "panel/layout.h"

namespace tv::testing {

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
  std::string Settings() const { return fake.ReadFile(ctx.where.settingsIni); }

  fakes::FakePlatform fake;
  std::string dir;
  PanelContext ctx;
  std::vector<Received> received;
  std::function<void(std::uint16_t id, std::intptr_t lParam)> onCommand;
};

}  // namespace tv::testing
