// The record settings page: what its opening writes and shows, the card's encoder answers, the
// two groups of formats and their sends, the teletext viewer's rule, the lists and Browse.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_ids.h"
#include "settings/record_page.h"
#include "unit/page_bench.h"

namespace tv {
namespace {

using testing::Lines;

struct Card {
  bool present = true;
  int mpeg4 = 1, other = 1;  // the card's answers to 7791 and 7792
};

struct Bench : testing::PageBench<settings::RecordPage> {
  explicit Bench(const std::string& settings = "", Card card = {}, bool teletext = false,
                 int flagsBefore = 0)
      : PageBench(settings, false) {
    ctx.sheet.mpeg4Available = ctx.sheet.otherAvailable = flagsBefore;
    RunCommands();
    // The card answers each question with a command to the panel while the page waits.
    if (card.present)
      tv = h.fake.messenger.AddWindow(kVideoClass, kVideoTitle, [this, card](auto, auto w, auto) {
        if (w == cmd::kVideoRecordPage1) Answer(cmd::kPeerRecordPageAnswer1, card.mpeg4);
        if (w == cmd::kVideoRecordPage2) Answer(cmd::kPeerRecordPageAnswer2, card.other);
        return std::intptr_t{0};
      });
    if (teletext) Teletext();
    notifyingEdits = {IDC_REC_DIRECTORY_EDIT};
    Open();
  }
  void Answer(std::uint16_t id, int value) {
    SendCommand(h.fake.messenger, ctx.windows.panel, id, value);
  }
  // A click on an automatic radio button checks it and clears the others first.
  void Pick(int radio) {
    for (int id : kRadios) dialog->Check(id, id == radio);
    dialog->Click(radio);
  }
  void Teletext() { viewer = h.fake.messenger.AddWindow("AnyClass", "Teletext"); }
  // Compression, size, bit rate and stream format as stored.
  std::string Keys() const {
    return Stored({keys::kCompressFormat, keys::kCaptureStreamSize, keys::kCaptureBitRate,
                   keys::kCaptureStreamFormat});
  }
  // The checked radio's id, then "size on|off selection", "rate on|off count selection".
  std::string Shown() {
    int checked = 0;
    for (int id : kRadios)
      if (C(id).checked) checked = checked ? -1 : id;
    const auto &size = C(IDC_REC_SIZE_LIST), &rate = C(IDC_REC_BITRATE_LIST);
    return std::to_string(checked) + (size.enabled ? " on " : " off ") +
           std::to_string(size.selection) + (rate.enabled ? " on " : " off ") +
           std::to_string(rate.items.size()) + " " + std::to_string(rate.selection);
  }
  static constexpr int kRadios[] = {IDC_REC_MPEG1, IDC_REC_MPEG2, IDC_REC_MSMPEG4, IDC_REC_VCD,
                                    IDC_REC_SVCD,  IDC_REC_DVD,   IDC_REC_OTHER,   IDC_REC_AVI};
  WindowRef viewer;
};

const std::string kStd4 = "[VideoStandard]\nVideoStandard=4\n";

TEST(RecordPageStart, TextsAndSizeListsFollowTheVideoStandard) {
  Bench b, p(kStd4);
  EXPECT_EQ(b.Texts({IDC_REC_FORMAT_GROUP, IDC_REC_SVCD}) + "|" + b.Items(IDC_REC_SIZE_LIST),
            "Video Format|SVCD (480x480)|320x240,352x240,480x480,640x480,720x480");
  EXPECT_EQ(p.C(IDC_REC_MSMPEG4).text + "|" + p.Items(IDC_REC_SIZE_LIST),
            "MS-MPEG4 (352x288)|320x240,352x288,480x576,720x576");
}

TEST(RecordPageStart, StreamFormatsKeepTheirNumbersAndDefaultToYuy2) {
  // clang-format off
  const struct { std::string section, stored; std::vector<std::intptr_t> data; int selection; } cases[] = {
      {"0=RGB24\n1=RGB555\n3=YUY2\n4=UYVY\n", "", {0, 1, 3, 4}, 2},
      {"0=RGB24\n3=UYVY\n", "", {0, 3}, 0}, {"2=RGB24\n3=UYVY\n", "", {2, 3}, -1},
      {"1=YUY2\n5=YUY2\n20=RGB8\n", "", {1, 5}, 1},
      {"0=RGB24\n3=YUY2\n", "CaptureStreamFormat=0\n", {0, 3}, 0},
      {"0=RGB24\n3=YUY2\n", "CaptureStreamFormat=7\n", {0, 3}, -1},
      {"4=" + std::string(50, 'N') + "\n", "", {4}, -1}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    Bench b("[EnumStreamFormat]\n" + c.section + "[quarn]\n" + c.stored);
    const auto& list = b.C(IDC_REC_STREAM_LIST);
    EXPECT_EQ(list.itemData, c.data);
    EXPECT_EQ(list.selection, c.selection);
    for (const auto& item : list.items) EXPECT_LE(item.size(), 49u);
  }
}

TEST(RecordPageEncoders, AnswersDuringTheSendsEnableTheRadiosAndOnlyAnswersChangeThem) {
  // clang-format off
  const struct { Card card; int before; const char* enabled; bool asked; } cases[] = {  // before: both flags; MS-MPEG4, other
      {{true, 1, 1}, 0, "11", true}, {{true, 0, 1}, 1, "01", true}, {{true, 0, 0}, 0, "00", true},
      {{false, 1, 1}, 0, "00", false}, {{false, 1, 1}, 1, "11", false}};
  // clang-format on
  for (const auto& c : cases) {
    Bench b("[quarn]\nCompressFormat=OTHER\n", c.card, false, c.before);
    EXPECT_EQ(b.Flags(&fakes::FakeControl::enabled, {IDC_REC_MSMPEG4, IDC_REC_OTHER}), c.enabled);
    EXPECT_EQ(b.ToVideo(), (c.asked ? Lines{"7791 0 sent", "7792 0 sent"} : Lines{}));
    EXPECT_EQ(b.Shown(), "1173 off -1 off 0 -1");  // checked even while disabled
  }
}

// The stored format decides what is checked, offered and written at the start (radio 0); then a
// click on a list-sized format sends nothing, one on a fixed-size format sends its size.
TEST(RecordPageFormats, StoredAndClickedFormatsDecideWhatIsCheckedOfferedWrittenAndSent) {
  const std::string k525 = "[VideoStandard]\nVideoStandard=9\n";
  // clang-format off
  const struct { std::string settings; int radio; bool teletext; const char* result; } cases[] = {  // keys | shown | sends
      {"", 0, 0, "MPEG1 640x480 1250000 -|1075 on 3 on 3 0|"},
      {"[quarn]\nCompressFormat=MPEG2\nCaptureBitRate=6000000\nCaptureStreamSize=720x480\n", 0, 0, "MPEG2 720x480 6000000 -|1096 on 4 on 3 2|"},
      {kStd4 + "[quarn]\nCompressFormat=DVD\nCaptureBitRate=7\nCaptureStreamSize=1x1", 0, 0, "DVD 1x1 7 -|1074 off -1 on 3 0|"},
      {kStd4 + "[quarn]\nCompressFormat=SVCD\n", 0, 0, "SVCD 720x576 - -|1115 off -1 off 0 -1|"},
      {"[quarn]\nCompressFormat=AVI\nCaptureStreamSize=352x240\n", 0, 0, "AVI 352x240 - -|1114 on 1 off 0 -1|"},
      {"[quarn]\nCompressFormat=MPEG4\n", 0, 0, "MPEG4 640x480 - -|1099 off -1 off 0 -1|"},
      {"[quarn]\nCompressFormat=mpeg1\n", 0, 0, "mpeg1 640x480 - -|0 on 3 on 0 -1|"},
      {"[quarn]\nCaptureBitRate=6000000\n", IDC_REC_MPEG2, 0, "MPEG2 640x480 2000000 -|1096 on 3 on 3 0|"},
      {"", IDC_REC_AVI, 0, "AVI 640x480 1250000 -|1114 on 3 off 3 -1|"},
      {"[quarn]\nCompressFormat=SVCD\n", IDC_REC_MPEG1, 0, "MPEG1 640x480 1250000 -|1075 on 3 on 3 0|"},
      {"", IDC_REC_MPEG2, 1, "MPEG2 352x288 2000000 -|1096 off -1 on 3 0|"},
      {kStd4, IDC_REC_MPEG1, 1, "MPEG1 352x288 1250000 -|1075 off 1 on 3 0|"},
      {"", IDC_REC_VCD, 0, "VCD 352x240 1250000 -|1076 off -1 off 3 -1|3000 1 sent"},
      {kStd4, IDC_REC_SVCD, 0, "SVCD 480x576 1250000 -|1115 off -1 off 3 -1|3000 1 sent"},
      {k525, IDC_REC_SVCD, 0, "SVCD 480x480 1250000 -|1115 off -1 off 3 -1|3000 1 sent"},
      {kStd4, IDC_REC_DVD, 0, "DVD 720x576 4000000 -|1074 off -1 on 3 0|3000 1 sent"},
      {"", IDC_REC_OTHER, 0, "OTHER 320x240 1250000 -|1173 off -1 off 3 -1|3000 1 sent"},
      {kStd4, IDC_REC_MSMPEG4, 0, "MPEG4 352x288 1250000 -|1099 off -1 off 3 -1|3000 1 sent"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.radio);
    Bench b(c.settings, Card{}, c.teletext);
    b.h.fake.messenger.ClearLog();
    if (c.radio) b.Pick(c.radio);
    std::string sends;
    for (const auto& m : b.ToVideo()) sends += m;
    EXPECT_EQ(b.Keys() + "|" + b.Shown() + "|" + sends, c.result);
  }
}

TEST(RecordPageTeletext, TheViewerLocksDvdAndTheSizeListWhileItRuns) {
  Bench with("", Card{}, true), without;
  EXPECT_EQ(with.Shown() + with.Flags(&fakes::FakeControl::enabled, {IDC_REC_DVD}),
            "1075 off 3 on 3 00");
  EXPECT_EQ(without.Shown() + without.Flags(&fakes::FakeControl::enabled, {IDC_REC_DVD}),
            "1075 on 3 on 3 01");
  // Appearing while the page is open: the size list's choices are ignored; vanishing: the next
  // list-sized format opens the list again.
  without.Teletext();
  without.dialog->Choose(IDC_REC_SIZE_LIST, 1);
  EXPECT_EQ(without.Keys(), "MPEG1 640x480 1250000 -");
  without.h.fake.messenger.RemoveWindow(without.viewer);
  without.Pick(IDC_REC_MPEG2);
  EXPECT_EQ(without.Shown(), "1096 on 3 on 3 0");
}

TEST(RecordPageLists, AcceptedChoicesAreStoredAndSentScanIgnoresEverything) {
  Bench b("[EnumStreamFormat]\n0=RGB24\n3=YUY2\n4=UYVY\n");
  b.h.fake.messenger.ClearLog();
  b.dialog->Choose(IDC_REC_SIZE_LIST, 1, kCbnSelChange);
  b.dialog->Choose(IDC_REC_STREAM_LIST, 2, kCbnSelChange);
  EXPECT_TRUE(b.ToVideo().empty());
  b.dialog->Choose(IDC_REC_SIZE_LIST, 1);
  b.dialog->Choose(IDC_REC_STREAM_LIST, 2);
  b.dialog->Choose(IDC_REC_BITRATE_LIST, 2, kCbnSelChange);
  EXPECT_EQ(b.ToVideo(), (Lines{"3000 1 sent", "3000 4 sent"}));
  EXPECT_EQ(b.Keys(), "MPEG1 352x240 4000000 4");
  b.dialog->Select(IDC_REC_BITRATE_LIST, -1);
  b.dialog->Notify(IDC_REC_BITRATE_LIST, 3);  // focus on a list without a choice
  b.dialog->Notify(IDC_REC_DIRECTORY_EDIT, 0x0300);
  EXPECT_EQ(b.Keys() + "|" + b.Stored({keys::kCaptureFile}), "MPEG1 352x240 4000000 4|");

  Bench s;
  s.ctx.mode.fmScan = 1;
  s.h.fake.messenger.ClearLog();
  s.dialog->Click(IDC_REC_SVCD);
  s.dialog->Choose(IDC_REC_SIZE_LIST, 0);
  s.dialog->SetText(IDC_REC_DIRECTORY_EDIT, "E:\\");
  EXPECT_EQ(s.Keys() + "|" + s.Stored({keys::kCaptureFile}), "MPEG1 640x480 1250000 -|");
  EXPECT_TRUE(s.ToVideo().empty());
}

TEST(RecordPageBrowse, TheFolderIsShownCutToItsBufferWrittenBackAndReplacedByAChoice) {
  const std::string deep = "D:\\" + std::string(290, 'd'), cut = deep.substr(0, 259);
  // clang-format off
  const struct { std::optional<std::string> chosen; std::string stored; } cases[] = {
      {std::nullopt, cut}, {"E:\\", "E:\\"}, {"D:\\Rec", "D:\\Rec"}, {deep, cut}};
  // clang-format on
  for (const auto& c : cases) {
    Bench b("[quarn]\nCaptureFile=" + deep + "\n");
    EXPECT_EQ(b.Stored({keys::kCaptureFile}), cut);  // the edit's own notification
    b.h.fake.shell.folderAnswers.push_back(c.chosen);
    b.dialog->Click(IDC_REC_BROWSE);
    EXPECT_EQ(b.Stored({keys::kCaptureFile}) + "|" + b.C(IDC_REC_DIRECTORY_EDIT).text,
              c.stored + "|" + c.stored);
    EXPECT_EQ(b.h.fake.shell.folderBrowses,
              Lines{fakes::Hex(b.dialog->Window()) + " File Directory"});
  }
}

}  // namespace
}  // namespace tv
