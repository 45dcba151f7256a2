#pragma once
// The settings property sheet: its five pages, the creation callback that keeps the title bar
// free of a context-help button, and the about box, which takes its texts the same way.

#include <memory>
#include <span>

#include "app/panel_context.h"
#include "panel/layout_tables.h"
#include "platform/dialog.h"

namespace tv::settings {

// Tab positions; the same order as the context's page slots.
inline constexpr int kTvPage = 0;
inline constexpr int kFullScanPage = 1;
inline constexpr int kVideoPage = 2;
inline constexpr int kRecordPage = 3;
inline constexpr int kMiscPage = 4;

struct SheetPageInfo {
  int templateId;
  panel::Caption title;
  std::unique_ptr<DialogHandler> (*make)(PanelContext& ctx);
};
// Every page of the sheet, in tab order: its template, title and behaviour.
std::span<const SheetPageInfo> SheetPages();

// The sheet's header flags: inline pages, icon by id (none), no Apply, the callback below.
inline constexpr std::uint32_t kSheetFlags =
    kPshPropSheetPage | kPshUseIconId | kPshNoApplyNow | kPshUseCallback;
inline constexpr std::uint32_t kDsContextHelp = 0x2000;

// On the pre-create message, clears the context-help style of the sheet's template, plain or
// extended (second word 0xFFFF: the style is then at byte 12, else at byte 0). Returns 1.
int SheetTemplateCallback(void* dialogTemplate, int message);

// Runs the sheet modally, owned by parent; returns the sheet's result.
int OpenSettingsSheet(PanelContext& ctx, WindowRef parent);

inline constexpr int kAboutTemplate = 103;
inline constexpr int kAboutText = 1177;

class AboutBox : public DialogHandler {
 public:
  explicit AboutBox(PanelContext& ctx) : ctx_(ctx) {}
  void OnInit(DialogControls& dialog) override;
  // OK and Cancel end the box with their id; nothing else does anything.
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override;

 private:
  PanelContext& ctx_;
};

void OpenAboutBox(PanelContext& ctx);

}  // namespace tv::settings
