// The settings sheet: its header and pages, when the settings command opens it, the creation
// callback on both template layouts, pages made when first shown, and the about box.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "fakes/fake_platform.h"
#include "settings/settings_sheet.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

using settings::SheetTemplateCallback;

// A dialog template's first 16 bytes: plain (style at 0, extended style at 4) or extended
// (version 1, signature 0xFFFF, help id at 4, extended style at 8, style at 12).
std::vector<unsigned char> Template(bool extended, std::uint32_t style, std::uint32_t exStyle) {
  std::vector<unsigned char> bytes(24, 0xAB);
  auto put32 = [&bytes](std::size_t at, std::uint32_t v) { std::memcpy(&bytes[at], &v, 4); };
  if (extended) {
    const std::uint16_t head[2] = {1, 0xFFFF};
    std::memcpy(&bytes[0], head, 4);
    put32(8, exStyle);
    put32(12, style);
  } else {
    put32(0, style);
    put32(4, exStyle);
  }
  return bytes;
}

TEST(SheetCallback, ClearsContextHelpInEitherLayoutOnPreCreateOnly) {
  constexpr std::uint32_t kHelp = 0x2000, kSheetStyle = 0x80C80844;
  // clang-format off
  const struct { bool extended; int message; std::uint32_t style, styleAfter; } cases[] = {
      {false, kPscbPreCreate, kSheetStyle | kHelp, kSheetStyle}, {true, kPscbPreCreate, kSheetStyle | kHelp, kSheetStyle},
      {true, kPscbPreCreate, kSheetStyle, kSheetStyle},
      {false, 1, kSheetStyle | kHelp, kSheetStyle | kHelp}, {true, 1, kSheetStyle | kHelp, kSheetStyle | kHelp}};  // 1: initialised
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.extended) + " " + std::to_string(c.message));
    // The extended style carries the same bit, which must stay.
    std::vector<unsigned char> bytes = Template(c.extended, c.style, kHelp);
    const std::vector<unsigned char> expected = Template(c.extended, c.styleAfter, kHelp);
    EXPECT_EQ(SheetTemplateCallback(bytes.data(), c.message), 1);
    EXPECT_EQ(bytes, expected);
  }
  EXPECT_EQ(SheetTemplateCallback(nullptr, kPscbPreCreate), 1);
}

struct Bench {
  explicit Bench(const std::string& captions = "") : h("[1PANEL_BTN]\n" + captions) {}
  void Press() { commands::OnCommand(ctx, cmd::kSettings, 0); }
  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  fakes::FakeDialogs& dialogs = h.fake.dialogs;
};

TEST(SettingsSheet, HeaderPagesAndTitlesFromTheLayoutFile) {
  const std::string longTitle(60, 'T'),
      pages =
          "105 TV settings|107 Fully Scan|295 Video Settings|296 Record Settings|1264 Misc Page";
  // clang-format off
  const struct { std::string captions, caption, pages; } cases[] = {
      {"", "Settings", pages},
      {"ALLSETTINGS=Alles\nIDS_VIDEOSETTING=Bild\nIDS_MISC=" + longTitle + "\n", "Alles",
       "105 TV settings|107 Fully Scan|295 Bild|296 Record Settings|1264 " + longTitle.substr(0, 49)},
      {"ALLSETTINGS=" + std::string(120, 'C') + "\n", std::string(99, 'C'), pages}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    Bench b(c.captions);
    b.Press();
    ASSERT_EQ(b.dialogs.sheets.size(), 1u);
    const SheetHeader& sheet = b.dialogs.sheets[0];
    EXPECT_EQ(sheet.caption, c.caption);
    EXPECT_TRUE(sheet.flags == 0x18Cu && sheet.startPage == 0 &&
                sheet.callback == &SheetTemplateCallback &&
                b.dialogs.sheetOwners[0] == b.ctx.windows.panel);
    std::string shown;
    for (const SheetPage& page : sheet.pages)
      shown += (shown.empty() ? "" : "|") + std::to_string(page.templateId) + " " + page.title;
    EXPECT_EQ(shown, c.pages);
  }
}

TEST(SettingsSheet, RefusedWhileClosedInFmOrScanningAndOnceWhileOpen) {
  for (int ModeFlags::*flag : {&ModeFlags::tvClosed, &ModeFlags::fmMode, &ModeFlags::airScan,
                               &ModeFlags::cableScan, &ModeFlags::fmScan}) {
    Bench b;
    b.ctx.mode.*flag = 1;
    b.Press();
    EXPECT_TRUE(b.dialogs.sheets.empty());
  }
  // A second press while the sheet runs brings it forward instead of opening another.
  Bench b;
  WindowRef sheetWindow;
  b.dialogs.whileSheetOpen = [&](fakes::FakeSheet& sheet) {
    sheetWindow = sheet.Window();
    b.Press();
  };
  b.Press();
  EXPECT_TRUE(sheetWindow && b.h.fake.windows.foreground == sheetWindow);
  EXPECT_EQ(std::pair(b.dialogs.sheets.size(), b.ctx.sheet.open), std::pair(1ul, 0));
  b.Press();
  EXPECT_EQ(b.dialogs.sheets.size(), 2u);  // closed: the next press opens it again
}

TEST(SettingsSheet, PagesExistFromTheirFirstShowingUntilTheSheetCloses) {
  Bench b;
  b.h.AddVideoWindow();
  std::vector<bool> before, afterShowingVideo;
  DialogControls* video = nullptr;
  b.dialogs.whileSheetOpen = [&](fakes::FakeSheet& sheet) {
    for (DialogControls* page : b.ctx.sheet.pages) before.push_back(page != nullptr);
    video = &sheet.Show(settings::kVideoPage);
    sheet.Show(settings::kTvPage);  // back to the first: the video page stays
    for (DialogControls* page : b.ctx.sheet.pages) afterShowingVideo.push_back(page != nullptr);
    EXPECT_EQ(b.ctx.sheet.open, 1);
  };
  b.Press();
  EXPECT_EQ(before, (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(afterShowingVideo, (std::vector<bool>{true, false, true, false, false}));
  ASSERT_NE(video, nullptr);
  for (DialogControls* page : b.ctx.sheet.pages) EXPECT_EQ(page, nullptr);
}

TEST(AboutBox, TextsFromTheLayoutAndOnlyOkOrCancelEndIt) {
  for (const int closer : {kIdDialogOk, kIdDialogCancel}) {
    SCOPED_TRACE(closer);
    Bench b("ABOUTBOX_CAPTION=Info\nIDCVISION=Version 9\n");
    fakes::FakeDialog* shown = nullptr;
    b.dialogs.whileModal = [&](fakes::FakeDialog& dialog) {
      shown = &dialog;
      EXPECT_EQ(dialog.title + "|" + dialog.Control(settings::kAboutText).text + "|" +
                    dialog.Control(kIdDialogOk).text,
                "Info|Version 9|OK");
      dialog.Click(settings::kAboutText);
      dialog.Notify(3, kBnClicked);
      EXPECT_FALSE(dialog.result);
      dialog.Click(closer);
      EXPECT_EQ(dialog.result, closer);
    };
    commands::OnCommand(b.ctx, cmd::kAbout, 0);
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(b.dialogs.modalTemplates, std::vector<int>{settings::kAboutTemplate});
  }
}

}  // namespace
}  // namespace tv
