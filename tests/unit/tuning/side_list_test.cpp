// The channel list beside the panel: what it lists for each source, what an activated entry
// tunes and writes, and where the name dialog reads and writes a name.

#include "tuning/side_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/key_table.h"
#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "panel/panel_window.h"
#include "unit/page_bench.h"

namespace tv::tuning {
namespace {

using Strings = std::vector<std::string>;

class SideListTest : public ::testing::Test {
 protected:
  SideListTest() {  // 10 is above "Maxair": not listed
    h.fake.WriteFile(
        ctx.where.settingsIni,
        "[TOVIX]\nMinair=2\nMaxair=9\nMin=1\nMax=125\n[CHANNELLISTAIR]\n2=TRUE\n5=TRUE\n"
        "7=FALSE\n10=TRUE\n[CHANNELLIST]\n125=TRUE\n[Air channel Name]\n2=One\n"
        "[Cable channel Name]\n125=Last\n[CHANNELLISTFM]\nFM=3\n1=875\n2=1011\n3=999\n"
        "[FM channel Name]\n1011=Jazz\n[FREQCHLIST]\nALLCH=2\n[FREQCHLISTNAME]\n1=News\n");
    ctx.windows.sideList = h.fake.windows.CreateList(ListWindow::Side);
    ctx.ui.sideOpen = 1;
  }
  fakes::FakeList& List() { return h.fake.lists.lists[ctx.windows.sideList.id]; }
  Strings Texts() { return h.fake.lists.Texts(ctx.windows.sideList); }
  void Source(int airBand, int fmMode, int videoInput, bool fullScan) {
    ctx.mode.airBand = airBand;
    ctx.mode.fmMode = fmMode;
    ctx.mode.videoInput = videoInput;
    ctx.settings.WriteFlag(keys::kUseFullScan, fullScan);
  }
  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
};

TEST(SideListEntries, TextsKeepTheirExactSpacing) {
  // clang-format off
  const struct { EntryStyle style; const char* key; std::optional<std::string> name; const char* text; } cases[] = {
      {EntryStyle::Channel, "21", "News", "21: News"}, {EntryStyle::Channel, "5", std::nullopt, "5:......."},
      {EntryStyle::Channel, "2", "", "2: "}, {EntryStyle::Channel, "875", "a:b", "875: a:b"},
      {EntryStyle::FullScan, "3", "News", "3:News"}, {EntryStyle::FullScan, "3", std::nullopt, "3:......."}};
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(EntryText(c.style, c.key, c.name), c.text);
    EXPECT_EQ(EntryKey(c.text), c.key);
  }
}

TEST_F(SideListTest, EachSourceListsItsOwnChannels) {
  // clang-format off
  const struct { int airBand, fmMode, videoInput; bool fullScan; Strings texts; const char* icon; } cases[] = {
      {1, 0, 0, false, {"2: One", "5:......."}, "icon 1324"}, {0, 0, 0, false, {"125: Last"}, "icon 1324"},
      {0, 1, 0, false, {"875:.......", "1011: Jazz", "999:......."}, "icon 1325"}, {1, 1, 0, false, {}, "icon 1325"},
      {1, 0, 1, false, {}, ""}, {1, 0, 1, true, {"1:News", "2:......."}, "icon 1324"},
      {0, 1, 0, true, {"1:News", "2:......."}, "icon 1325"}};
  // clang-format on
  for (const auto& c : cases) {
    Source(c.airBand, c.fmMode, c.videoInput, c.fullScan);
    FillSideList(ctx);
    EXPECT_EQ(Texts(), c.texts) << c.airBand << c.fmMode << c.videoInput << c.fullScan;
    const Strings& images = List().images[ImageSet::Small];
    EXPECT_EQ(images.empty() ? "" : images[0], c.icon);
    for (const auto& item : List().items) EXPECT_EQ(item.image, 0);
  }
  EXPECT_EQ(List().imageSize[ImageSet::Small], (Size{16, 16}));
  EXPECT_EQ(std::pair(List().redrawHeld, List().repaints), std::pair(0, 7));
}

TEST_F(SideListTest, BrokenCountsAndLimitsKeepTheFillBounded) {
  const IniFile& ini = ctx.settings;
  // clang-format off
  const struct { const char* allChannels; std::size_t entries; } counts[] = {{"-5", 0}, {"0", 0}, {"99999999", 1000}, {"junk", 0}};
  // clang-format on
  Source(1, 0, 0, true);
  for (const auto& c : counts) {
    ini.Write(keys::kFullScanCount, c.allChannels);
    FillSideList(ctx);
    EXPECT_EQ(Texts().size(), c.entries) << c.allChannels;
  }
  Source(1, 0, 0, false);
  ini.Write(keys::kMinAir, 9);  // upside down: nothing, read again at each fill
  ini.Write(keys::kMaxAir, 2);
  FillSideList(ctx);
  EXPECT_TRUE(Texts().empty());
  ini.Write(keys::kMinAir, 5);
  ini.Write(keys::kMaxAir, 2147483647);
  FillSideList(ctx);
  EXPECT_EQ(Texts(), (Strings{"5:.......", "10:......."}));
  EXPECT_EQ(ctx.channels.maxAirChannel, 2147483647);
}

TEST_F(SideListTest, ActivationTunesTheEntryAsItsSourceWants) {
  const WindowRef video = h.AddVideoWindow();
  // clang-format off
  const struct { int airBand, fmMode, videoInput; bool fullScan; int entry; const char* sent; keys::Key written; const char* after; } cases[] = {
      // after: the written key, "recallair", and for a band channel the current channel
      {1, 0, 0, false, 1, "8000 5", keys::kTvChannelAir, "5 77 5"}, {0, 0, 0, false, 0, "8000 125", keys::kTvChannelCable, "125 77 125"},
      {0, 1, 0, false, 1, "2017 1011 sent", keys::kFmChannel, "1011 77"}, {1, 0, 0, true, 1, "8000 2", keys::kFullScanNow, "2 77"},
      {1, 0, 1, true, 0, nullptr, keys::kTvChannel, "- 77"}};  // a video input
  // clang-format on
  for (const auto& c : cases) {
    Source(c.airBand, c.fmMode, c.videoInput, c.fullScan);
    ctx.settings.Write(keys::kRecallAir, 77);
    FillSideList(ctx);
    h.fake.lists.Select(ctx.windows.sideList, c.entry);
    h.fake.messenger.ClearLog();
    panel::OnListActivate(ctx, panel::ListSource::Side);
    EXPECT_EQ(testing::CommandLog(h.fake, video), c.sent ? Strings{c.sent} : Strings{});
    const bool band = c.fmMode == 0 && !c.fullScan;
    EXPECT_EQ(ctx.settings.Text(c.written, "-", 20) + " " + ctx.settings.Text(keys::kRecallAir) +
                  (band ? " " + std::to_string(ctx.channels.currentChannel) : ""),
              c.after);
  }
  EXPECT_EQ(ctx.settings.Int(keys::kTvChannel, -1), -1);
}

TEST_F(SideListTest, TheNameDialogChoosesItsSectionAtStartAndAgainAtSave) {
  // clang-format off
  const struct { bool fullScan; int fmMode, airBand; const char *atStart, *atSave; } cases[] = {
      {true, 1, 1, "FREQCHLISTNAME", "FREQCHLISTNAME"}, {false, 1, 1, "FM channel Name", "FM channel Name"},
      {false, 0, 1, "Air channel Name", "Air channel Name"}, {false, 0, 0, "Cable channel Name", "Cable channel Name"},
      {false, 0, 2, "Air channel Name", "Cable channel Name"}};
  // clang-format on
  for (const auto& c : cases) {
    Source(c.airBand, c.fmMode, 0, c.fullScan);
    EXPECT_STREQ(NameSectionFor(ctx, NameMoment::Start).name, c.atStart);
    EXPECT_STREQ(NameSectionFor(ctx, NameMoment::Save).name, c.atSave);
  }
}

TEST_F(SideListTest, TheNameDialogSavesWithoutClosingAndTheListFollows) {
  Source(1, 0, 0, false);
  FillSideList(ctx);
  h.fake.lists.Select(ctx.windows.sideList, 1);  // "5:......."
  ChannelNameDialog handler(ctx);
  fakes::FakeDialog dialog;
  dialog.Attach(handler);
  handler.OnInit(dialog);
  EXPECT_EQ(dialog.title + "|" + dialog.Control(name_dialog::kSave).text + "|" +
                dialog.Control(name_dialog::kKeyEdit).text + "|" +
                dialog.Control(name_dialog::kNameEdit).text,
            "Edit|Save|5|");

  // clang-format off
  const struct { std::string name; const char* shown; } saves[] = {
      {"Sport: live", "5: Sport: live"}, {"", "5: "}, {std::string(300, 'x'), nullptr}};
  // clang-format on
  for (const auto& save : saves) {
    dialog.Control(name_dialog::kNameEdit).text = save.name;
    FillSideList(ctx);  // a refill while the dialog is open does not change its key
    dialog.Click(name_dialog::kSave);
    EXPECT_EQ(
        std::to_string(dialog.result.has_value()) + ctx.settings.Text(keys::kAirNames, 5, "-"),
        "0" + save.name.substr(0, 259));
    if (save.shown) {
      EXPECT_EQ(Texts()[1], save.shown);
    }
  }
  dialog.Click(name_dialog::kClose);
  EXPECT_EQ(dialog.result, name_dialog::kClose);

  // The stored name comes back at the next start (the refills took the selection away, so the
  // user selects again); a name equal to the sentinel is none.
  h.fake.lists.Select(ctx.windows.sideList, 1);
  fakes::FakeDialog again;
  handler.OnInit(again);
  EXPECT_EQ(again.Control(name_dialog::kNameEdit).text, std::string(259, 'x'));
  ctx.settings.Write(keys::kAirNames, 5, keys::kNoNameDialog);
  fakes::FakeDialog sentinel;
  handler.OnInit(sentinel);
  EXPECT_EQ(sentinel.Control(name_dialog::kNameEdit).text, "");
}

TEST_F(SideListTest, RightClickAndRefillNeedAnOpenListWithASelection) {
  Source(1, 0, 0, false);
  ctx.ui.sideOpen = 0;
  commands::OnCommand(ctx, cmd::kRefillChannelList, 0);
  EXPECT_EQ(List().imageLists, 0);
  ctx.ui.sideOpen = 1;
  commands::OnCommand(ctx, cmd::kRefillChannelList, 0);
  EXPECT_EQ(Texts(), (Strings{"2: One", "5:......."}));
  panel::OnListRightClick(ctx, panel::ListSource::Side, false);
  panel::OnListRightClick(ctx, panel::ListSource::Side, true);  // no selection mark: nothing
  h.fake.lists.Select(ctx.windows.sideList, 0);
  panel::OnListRightClick(ctx, panel::ListSource::Side, true);  // the fake runs it and saves
  EXPECT_EQ(ctx.settings.Text(keys::kAirNames, 2, "missing"), "One");
  EXPECT_EQ(Texts(), (Strings{"2: One", "5:......."}));
}

}  // namespace
}  // namespace tv::tuning
