#include "app/startup.h"

#include "base/key_table.h"
#include "base/locations.h"
#include "base/tuner_binding.h"
#include "commands/command_ids.h"
#include "panel/layout.h"
#include "panel/panel_timers.h"
#include "panel/panel_window.h"
#include "settings/mixer.h"

namespace tv {

namespace {

// A panel already runs: bring it forward and let it switch to the saved source.
bool HandOverToRunningPanel(PanelContext& ctx) {
  const WindowRef running = ctx.os.messenger.Find(kPanelClass, kPanelTitle);
  if (!running) return false;
  ctx.os.windows.BringToForeground(running);
  ctx.os.windows.Show(running, kSwRestore);
  const cmd::Id source = cmd::SourceCommandFor(ctx.settings.Int(keys::kInputSource));
  if (source != 0) PostCommand(ctx.os.messenger, running, source, 0);
  return true;
}

}  // namespace

StartDecision StartUpBeforeWindow(PanelContext& ctx, TunerLibrary& tuner) {
  SwitchOffPowerFeatures(ctx.os.shell, ctx.power);
  ctx.SetLocations(ResolveLocations(ctx.os.profile, ctx.os.files));
  if (!BindTunerLibrary(tuner, ctx.os.messageBoxes)) return StartDecision::ExitNow;
  ctx.tuner = &tuner;
  ctx.countryCount = ReadCountryCount(tuner);
  panel::LoadPanelLayout(ctx.layout, ctx.panelIni);
  panel::ApplyOpenStateOverrides(ctx.layout, ctx.panelIni, 0);
  if (HandOverToRunningPanel(ctx)) return StartDecision::ExitNow;
  return StartDecision::CreateWindow;
}

Rect InitialWindowRect(PanelContext& ctx) {
  const Size screen = ctx.os.windows.ScreenSize();
  const int width = ctx.layout.geometry.panelW;
  const int height = ctx.layout.geometry.panelH;
  return Rect{screen.width / 2 - width / 2, screen.height - 40 - height, width, height};
}

void StartUpAfterWindow(PanelContext& ctx) {
  ctx.os.windows.SetTopmost(ctx.windows.panel, ctx.settings.IsTrue(keys::kAlwaysOnTop));
  ctx.os.timers.Start(panel::kPanelTick, panel::kPanelTickMs);
  ctx.os.windows.UpdateNow(ctx.windows.panel);
  ctx.os.shell.LoadAcceleratorTable(kPanelAccelerators);
  settings::SetInputMute(ctx, 0);
  // Another program may own Ctrl+Alt+F4; the panel then simply has no hot key.
  ctx.os.shell.RegisterHotKey(ctx.windows.panel, 0, panel::kModControl | panel::kModAlt,
                              panel::kVkF4);
}

}  // namespace tv
