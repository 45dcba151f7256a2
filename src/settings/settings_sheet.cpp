#include "settings/settings_sheet.h"

#include <cstring>
#include <iterator>
#include <vector>

#include "settings/misc_page.h"
#include "settings/record_page.h"
#include "settings/video_page.h"
#include "tuning/fully_scan_page.h"
#include "tuning/tuning_dialog_ids.h"
#include "tuning/tv_settings_page.h"

namespace tv::settings {
namespace {

using panel::Caption;

template <typename Page>
std::unique_ptr<DialogHandler> Make(PanelContext& ctx) {
  return std::make_unique<Page>(ctx);
}

constexpr SheetPageInfo kPages[kSheetPageCount] = {
    {IDD_TV_SETTINGS_PAGE, Caption::IDS_TVSETTING, Make<tuning::TvSettingsPage>},
    {IDD_FULLY_SCAN_PAGE, Caption::IDS_FUSCAN, Make<tuning::FullyScanPage>},
    {kVideoPageTemplate, Caption::IDS_VIDEOSETTING, Make<VideoPage>},
    {IDD_RECORD_PAGE, Caption::IDS_RECORDSETTING, Make<RecordPage>},
    {IDD_MISC_PAGE, Caption::IDS_MISC, Make<MiscPage>},
};

// Publishes a page's controls in the context from its creation to its end, so that other
// pages and the peers' commands can reach it while it exists.
class PublishedPage : public DialogHandler {
 public:
  PublishedPage(DialogControls*& slot, std::unique_ptr<DialogHandler> page)
      : slot_(slot), page_(std::move(page)) {}
  void OnInit(DialogControls& dialog) override {
    slot_ = &dialog;
    page_->OnInit(dialog);
  }
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override {
    page_->OnCommand(dialog, control, notification, lParam);
  }
  void OnScroll(DialogControls& dialog, int control, int code) override {
    page_->OnScroll(dialog, control, code);
  }
  void OnNotify(DialogControls& dialog, int control, int code) override {
    page_->OnNotify(dialog, control, code);
  }
  void OnDestroy(DialogControls& dialog) override {
    page_->OnDestroy(dialog);
    slot_ = nullptr;
  }

 private:
  DialogControls*& slot_;
  std::unique_ptr<DialogHandler> page_;
};

}  // namespace

std::span<const SheetPageInfo> SheetPages() {
  return kPages;
}

int SheetTemplateCallback(void* dialogTemplate, int message) {
  if (message != kPscbPreCreate || dialogTemplate == nullptr) return 1;
  auto* bytes = static_cast<unsigned char*>(dialogTemplate);
  std::uint16_t signature = 0;
  std::memcpy(&signature, bytes + 2, sizeof signature);
  unsigned char* styleField = bytes + (signature == 0xFFFF ? 12 : 0);
  std::uint32_t style = 0;
  std::memcpy(&style, styleField, sizeof style);
  style &= ~kDsContextHelp;
  std::memcpy(styleField, &style, sizeof style);
  return 1;
}

int OpenSettingsSheet(PanelContext& ctx, WindowRef parent) {
  std::vector<std::unique_ptr<DialogHandler>> handlers;
  SheetHeader sheet{.flags = kSheetFlags,
                    .caption = ctx.layout.Text(Caption::ALLSETTINGS),
                    .startPage = 0,
                    .pages = {},
                    .callback = SheetTemplateCallback};
  for (std::size_t i = 0; i < std::size(kPages); ++i) {
    handlers.push_back(std::make_unique<PublishedPage>(ctx.sheet.pages[i], kPages[i].make(ctx)));
    sheet.pages.push_back(
        SheetPage{kPages[i].templateId, ctx.layout.Text(kPages[i].title), handlers.back().get()});
  }
  ctx.sheet.open = 1;
  const int result = ctx.os.dialogs.RunPropertySheet(parent, sheet);
  ctx.sheet.open = 0;
  ctx.sheet.pages.fill(nullptr);
  return result;
}

void AboutBox::OnInit(DialogControls& dialog) {
  dialog.SetTitle(ctx_.layout.Text(Caption::ABOUTBOX_CAPTION));
  dialog.SetText(kAboutText, ctx_.layout.Text(Caption::IDCVISION));
  dialog.SetText(kIdDialogOk, ctx_.layout.Text(Caption::BIDOK));
}

void AboutBox::OnCommand(DialogControls& dialog, int control, int, std::intptr_t) {
  if (control == kIdDialogOk || control == kIdDialogCancel) dialog.Close(control);
}

void OpenAboutBox(PanelContext& ctx) {
  AboutBox box(ctx);
  ctx.os.dialogs.RunModal(kAboutTemplate, ctx.windows.panel, box);
}

}  // namespace tv::settings
