// The captured-files list as a user sees it: which files of the capture folder become which
// items with which pictures, how they sort, and what open, save, e-mail and delete do to the
// folder and the shell.

#include "commands/captured_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/key_table.h"
#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "panel/panel_window.h"
#include "panel/skin.h"
#include "unit/panel/panel_harness.h"

namespace tv::commands {
namespace {

using Strings = std::vector<std::string>;
const std::string kBitmap = "BM" + std::string(60, '\0');
constexpr FileStamp kStamp{2004, 8, 30, 7, 11, 5};

class CapturedFilesTest : public ::testing::Test {
 protected:
  CapturedFilesTest() { ctx.settings.Write(keys::kCaptureFile, "C:\\Cap\\"); }
  void Place(const std::string& name, const std::string& bytes = kBitmap, std::uint64_t size = 0) {
    files.Place("C:\\Cap\\" + name, bytes, kStamp, size == 0 ? bytes.size() : size);
  }
  void Open() { panel::ToggleDownPart(ctx); }
  // A new list window, filled from the folder as at its first opening.
  void Reopen() {
    h.fake.lists.lists.clear();
    ctx.windows.downList = {};
    ctx.ui.downOpen = 0;
    Open();
  }
  void Run(cmd::Id id) { OnCommand(ctx, id, 0); }
  fakes::FakeList& List() { return h.fake.lists.lists[ctx.windows.downList.id]; }
  Strings Texts(bool sub = false) { return h.fake.lists.Texts(ctx.windows.downList, sub); }
  Strings Images() {
    Strings shown;
    for (const auto& item : List().items)
      shown.push_back(List().images[ImageSet::Normal].at(static_cast<std::size_t>(item.image)));
    return shown;
  }
  void Select(const std::string& text) {
    const Strings all = Texts();
    for (std::size_t i = 0; i < all.size(); ++i)
      if (all[i] == text) h.fake.lists.Select(ctx.windows.downList, static_cast<int>(i));
  }
  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  fakes::FakeFileOperations& files = h.fake.fileOps;
};

TEST(CapturedFileRules, SlotsTypesTimesAndComparisons) {
  const struct {
    const char* name;
    std::optional<int> slot;
    const char* type;
  } names[] = {{"qv01.bmp", 1, ".bmp"}, {"QV01.BMP", 1, ".BMP"},         {"qv99.mpg", 99, ".mpg"},
               {"qv.bmp", {}, ".bmp"},  {"qv5.bmp", {}, ".bmp"},         {"qvAB.bmp", {}, ".bmp"},
               {"qv0", {}, ""},         {"qv01.old.mpg", 1, ".old.mpg"}, {"qv42", 42, ""}};
  for (const auto& n : names) {
    EXPECT_EQ(files::SlotOfName(n.name), n.slot) << n.name;
    EXPECT_EQ(files::TypeText(n.name), n.type) << n.name;
  }
  EXPECT_EQ(files::TimeText(kStamp), "2004/8/30--7:11-05");
  EXPECT_EQ(files::TimeText({2026, 12, 6, 0, 0, 0}), "2026/12/6--0:0-00");

  const struct {
    int column;
    const char *a, *b;
    int sign;
    // clang-format off
  } compares[] = {
      {0, "QV02.bmp", "qv10.bmp", -1}, {0, "qv01.bmp", "QV01.BMP", 0}, {0, "qv1", "qv10", -1},
      {1, "1000", "999", -1}, {2, ".mpg", ".bmp", 1},
      {3, "2004/10/1--0:0-00", "2004/9/1--0:0-00", -1}, {4, "a", "b", 0}, {7, "a", "b", 0}};
  // clang-format on
  // Every column of an entry holds the same text, so only the column's rule decides.
  const auto entry = [](const char* t) { return CapturedFileTexts{t, t, t, t, t}; };
  for (const auto& c : compares) {
    const int r = files::CompareEntries(entry(c.a), entry(c.b), c.column);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << "column " << c.column;
  }
}

TEST(CapturedFileRules, MailListsDropWholeEntriesThatDoNotFit) {
  files::MailLists lists;
  const std::string longPath = "C:\\" + std::string(246, 'p');  // 249 + ";" = 250 per entry
  for (int i = 0; i < 5; ++i) files::AppendToMail(lists, longPath, "n" + std::to_string(i));
  EXPECT_EQ(lists.entries, 3);  // a fourth would need 1000 characters, one more than there is
  EXPECT_EQ(lists.paths.size(), 750u);
  EXPECT_EQ(lists.names, "n0;n1;n2;");
  files::AppendToMail(lists, "C:\\x", "short");  // later entries stay out with it
  EXPECT_EQ(lists.entries, 3);
}

TEST_F(CapturedFilesTest, FillListsEntriesWithTheirThumbnailsAndTexts) {
  Place("qv04.bmp");
  Place("qv01.bmp");
  Place("qv01.mpg", "stream");
  Place("qv03.bmp", "");  // zero bytes: a blank picture keeps the later pictures in place
  Place("qv06.bmp");
  Place("qv06.mpg", "m");
  Place("qv06.dat", "d");  // ".dat" is looked for first
  Place("qv02.bmp", "BMjunk");
  for (const char* bad : {"qv5.bmp", "qvAB.bmp", "qv.bmp", "notes.bmp", "qv07.txt"}) Place(bad);
  Place("qv08.avi", "no thumbnail");
  Place("qv09.bmp", kBitmap, 5ull << 32 | 77);     // over 4 GiB: the low 32 bits
  Place("qv10" + std::string(250, 'x') + ".bmp");  // its path would not fit a slot's 260 bytes
  Open();

  const std::string s = std::to_string(kBitmap.size());
  EXPECT_EQ(Texts(true), (Strings{"qv01.mpg|6|.mpg|2004/8/30--7:11-05|C:\\Cap\\qv01.mpg",
                                  "qv02.bmp|6|.bmp|2004/8/30--7:11-05|C:\\Cap\\qv02.bmp",
                                  "qv03.bmp|0|.bmp|2004/8/30--7:11-05|C:\\Cap\\qv03.bmp",
                                  "qv04.bmp|" + s + "|.bmp|2004/8/30--7:11-05|C:\\Cap\\qv04.bmp",
                                  "qv06.dat|1|.dat|2004/8/30--7:11-05|C:\\Cap\\qv06.dat",
                                  "qv09.bmp|77|.bmp|2004/8/30--7:11-05|C:\\Cap\\qv09.bmp"}));
  EXPECT_EQ(Images(),
            (Strings{"picture C:\\Cap\\qv01.bmp", "blank", "blank", "picture C:\\Cap\\qv04.bmp",
                     "picture C:\\Cap\\qv06.bmp", "picture C:\\Cap\\qv09.bmp"}));
  EXPECT_EQ(List().imageSize[ImageSet::Normal], (Size{88, 60}));
  const std::vector<std::pair<std::string, int>> columns{{"File name", 80},
                                                         {"File size", 80},
                                                         {"File type", 80},
                                                         {"Last WriteTime", 150},
                                                         {"File Path", 150}};
  EXPECT_EQ(List().columns, columns);
  EXPECT_EQ(List().mode, ListViewMode::Icon);
  EXPECT_EQ(List().redrawHeld, 0);  // held while filling, and released once
  EXPECT_EQ(List().repaints, 1);
  EXPECT_EQ(ctx.capturedFiles.slots[6].path, "C:\\Cap\\qv06.dat");
}

TEST_F(CapturedFilesTest, EveryFileOfAFullFolderIsListedAndAMissingFolderListsNothing) {
  Open();
  EXPECT_TRUE(Texts().empty());
  for (int i = 0; i < 120; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, i < 100 ? "qv%02d.bmp" : "qv%02dx.bmp", i % 100);
    Place(name);
  }
  Place("QV01.BMP");      // the same file as qv01.bmp to the folder: replaces it
  Run(cmd::kFileDelete);  // nothing selected: nothing deleted, no refill
  EXPECT_EQ(files.Names("C:\\Cap").size(), 120u);
  EXPECT_TRUE(Texts().empty());
  Place("qv00.mpg", "m");
  Reopen();
  ASSERT_EQ(Texts().size(), 120u);
  EXPECT_EQ(List().images[ImageSet::Normal].size(), 120u);
  EXPECT_EQ(Texts()[0], "qv00.mpg");
}

TEST_F(CapturedFilesTest, ColumnClicksSortAsText) {
  Place("qv01.bmp", kBitmap, 999);
  Place("qv02.bmp", kBitmap, 1000);
  Place("qv03.bmp", kBitmap, 20);
  Open();
  panel::OnListColumnClick(ctx, 1);
  EXPECT_EQ(Texts(), (Strings{"qv02.bmp", "qv03.bmp", "qv01.bmp"}));
  panel::OnListColumnClick(ctx, 0);
  EXPECT_EQ(Texts(), (Strings{"qv01.bmp", "qv02.bmp", "qv03.bmp"}));
}

TEST_F(CapturedFilesTest, NewFilesFromThePeerAddOneItemEach) {
  Place("qv01.mpg", "m");
  Place("qv01.bmp");
  ctx.settings.Write(keys::kAddItem, "C:\\Cap\\qv01.mpg");
  AddCapturedFile(ctx);  // before the list exists: its first opening reads the folder
  Open();
  EXPECT_EQ(Texts(), (Strings{"qv01.mpg"}));

  Place("qv05.bmp");
  Place("qv03.old.mpg", "m");
  // A bare name is in the capture folder; qv04.bmp is missing.
  const struct {
    const char* added;
    Strings items;
  } steps[] = {{"qv05.bmp", {"qv01.mpg", "qv05.bmp"}},
               {"", {"qv01.mpg", "qv05.bmp"}},
               {"C:\\Cap\\qv04.bmp", {"qv01.mpg", "qv05.bmp"}},
               {"C:\\Cap\\qv03.old.mpg", {"qv01.mpg", "qv03.old.mpg", "qv05.bmp"}}};
  for (const auto& step : steps) {
    ctx.settings.Write(keys::kAddItem, step.added);
    Run(cmd::kPeerCapturedFile);
    EXPECT_EQ(Texts(), step.items) << step.added;
  }
  EXPECT_EQ(Images(), (Strings{"picture C:\\Cap\\qv01.bmp", "blank", "picture C:\\Cap\\qv05.bmp"}));
  const std::string longPath = "C:\\Cap\\qv09" + std::string(250, 'x') + ".bmp";
  files.Place(longPath, kBitmap);  // does not fit the slot's 260 bytes: left out
  ctx.settings.Write(keys::kAddItem, longPath);
  Run(cmd::kPeerCapturedFile);
  EXPECT_EQ(Texts().size(), 3u);
  EXPECT_EQ(Texts(true)[1], "qv03.old.mpg|1|.old.mpg|2004/8/30--7:11-05|C:\\Cap\\qv03.old.mpg");
  EXPECT_EQ(List().arranges, 2);
}

TEST_F(CapturedFilesTest, DeleteTakesRecordingsWithTheirThumbnails) {
  const Strings all{"keep.txt", "qv01.bmp", "qv01.mpg", "qv02.bmp",
                    "qv03.bmp", "qv04.bmp", "qv04.dat"};
  const struct {
    Strings select, left;
  } cases[] = {
      {{}, all},
      {{"qv01.mpg"}, {"keep.txt", "qv02.bmp", "qv03.bmp", "qv04.bmp", "qv04.dat"}},
      {{"qv02.bmp"}, {"keep.txt", "qv01.bmp", "qv01.mpg", "qv03.bmp", "qv04.bmp", "qv04.dat"}},
      {{"qv01.mpg", "qv02.bmp", "qv04.dat"}, {"keep.txt", "qv03.bmp"}}};
  for (const auto& c : cases) {
    files = fakes::FakeFileOperations();
    for (const std::string& name : all) Place(name);
    files.Find("C:\\Cap\\qv03.bmp")->readOnly = true;
    Reopen();
    for (const std::string& s : c.select) Select(s);
    if (c.select.size() > 1) Select("qv03.bmp");  // read-only: stays, and is listed again
    const int arranged = List().arranges;
    Run(cmd::kFileDelete);
    Strings left = files.Names("C:\\Cap");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, c.left) << c.select.size();
    EXPECT_EQ(List().arranges, arranged + (c.select.empty() ? 0 : 1));
    EXPECT_TRUE(h.fake.lists.SelectedItems(ctx.windows.downList).empty());
  }
}

TEST_F(CapturedFilesTest, DeleteAllTakesEveryQvFileListedOrNot) {
  for (const char* name : {"qv01.bmp", "qv02.mpg", "QV03.DAT", "keep.bmp", "aqv.bmp"}) Place(name);
  Open();
  Run(cmd::kFileDeleteAll);
  EXPECT_EQ(files.Names("C:\\Cap"), (Strings{"keep.bmp", "aqv.bmp"}));
  EXPECT_TRUE(Texts().empty());
  EXPECT_TRUE(List().images[ImageSet::Normal].empty());
}

TEST_F(CapturedFilesTest, OpeningChecksTheKindOfFile) {
  Place("qv01.bmp");
  Place("qv02.bmp");
  Place("qv02.mpg", "m");
  Place("QV03.BMP");
  Open();
  const struct {
    const char* item;
    cmd::Id command;
    const char* opened;  // or the message box's text
  } cases[] = {
      {"qv01.bmp", cmd::kFileEdit, "C:\\Cap\\qv01.bmp"},
      {"qv02.mpg", cmd::kFileEdit, "C:\\Cap\\qv02.mpg"},
      {"qv01.bmp", cmd::kOpenSnapshot, "C:\\Cap\\qv01.bmp"},
      {"qv02.mpg", cmd::kOpenSnapshot, "This file is not a graph!"},
      {"QV03.BMP", cmd::kOpenSnapshot, "This file is not a graph!"},  // the check is exact
      {"qv02.mpg", cmd::kOpenMovie, "C:\\Cap\\qv02.mpg"},
      {"qv01.bmp", cmd::kOpenMovie, "This file is not a video file!"},
  };
  for (const auto& c : cases) {
    Select(c.item);
    files.opened.clear();
    const std::size_t boxes = h.fake.messageBoxes.Shown().size();
    Run(c.command);
    // A refusal shows an ownerless "error" box and opens nothing.
    Strings got = files.opened;
    const auto& shown = h.fake.messageBoxes.Shown();
    if (shown.size() > boxes)
      got.push_back(shown.back().text + "|" + shown.back().caption.value_or("-") + "|" +
                    fakes::Hex(shown.back().owner));
    const std::string want = c.opened;
    EXPECT_EQ(got, Strings{want.starts_with("C:") ? want : want + "|error|" + fakes::Hex({})})
        << c.item << " " << c.command;
  }
}

TEST_F(CapturedFilesTest, SaveAsCopiesWithTheSourcesExtensionWhenTheNameHasNone) {
  Place("qv01.bmp");
  Place("qv01.dat", "recording");
  Place("qv02.bmp", "BM picture");
  Open();
  const char* const kMedia = "Media Type|*.mpg;*.dat;*.avi;*.wav;*.mp3";
  const struct {
    const char* item;
    std::optional<std::string> answer;
    const char* filter;   // name|pattern
    const char* written;  // nullptr: nothing written
  } cases[] = {
      {"qv01.dat", "C:\\Out\\copy", kMedia, "C:\\Out\\copy.dat"},
      {"qv01.dat", "C:\\Out\\my.name", kMedia, "C:\\Out\\my.name"},
      {"qv02.bmp", "C:\\Out.d\\pic", "BMP|*.bmp", "C:\\Out.d\\pic.bmp"},
      {"qv02.bmp", std::nullopt, "BMP|*.bmp", nullptr},
  };
  for (const auto& c : cases) {
    Select(c.item);
    files.saveAnswer = c.answer;
    Run(cmd::kFileSaveAs);
    const SaveRequest& asked = files.saveRequests.back();
    EXPECT_EQ(
        asked.title + "|" + asked.initialName + "|" + asked.filterName + "|" + asked.filterPattern,
        std::string("Save as File|") + c.item + "|" + c.filter);
    if (c.written) {
      ASSERT_NE(files.Find(c.written), nullptr) << c.written;
      EXPECT_EQ(files.Find(c.written)->bytes, files.Find("C:\\Cap\\" + std::string(c.item))->bytes);
    }
  }
  EXPECT_EQ(files.Names("C:\\Out").size(), 2u);
}

TEST_F(CapturedFilesTest, EmailSendsTheSelectedFilesThroughTheSystemsMailLibrary) {
  Place("qv01.bmp");
  Place("qv02.bmp");
  Place("qv02.mpg", "m");
  Place("qv03.bmp");
  Open();
  Run(cmd::kFileEmail);  // nothing selected
  EXPECT_TRUE(files.mails.empty());
  Select("qv03.bmp");
  Run(cmd::kFileEmailButton);
  Select("qv02.mpg");
  Run(cmd::kFileEmail);
  Strings mails;
  for (const auto& m : files.mails)
    mails.push_back(m.library + "|" + m.delimiter + "|" + m.paths + "|" + m.names);
  const std::string mapi = "C:\\windows\\system32\\MAPI32.DLL|;|";
  EXPECT_EQ(mails, (Strings{mapi + "C:\\Cap\\qv03.bmp|qv03.bmp",
                            mapi + "C:\\Cap\\qv02.mpg;C:\\Cap\\qv03.bmp;|qv02.mpg;qv03.bmp;"}));
}

TEST_F(CapturedFilesTest, ViewModesCycleAndTheSidePanelsHideAndShow) {
  Run(cmd::kListViewMode);  // no list yet
  EXPECT_EQ(ctx.capturedFiles.viewMode, 1);
  Open();
  std::vector<ListViewMode> modes;
  for (int i = 0; i < 4; ++i) {
    Run(cmd::kListViewMode);
    modes.push_back(*List().mode);
  }
  EXPECT_EQ(modes, (std::vector<ListViewMode>{ListViewMode::List, ListViewMode::Report,
                                              ListViewMode::Icon, ListViewMode::List}));
  EXPECT_EQ(List().arranges, 1);

  fakes::FakeWindowManager& w = h.fake.windows;
  ctx.windows.sideList = w.CreateList(ListWindow::Side);
  const WindowRef video = h.AddVideoWindow();
  const struct {
    int value, downOpen, sideOpen, skin;
    bool downShown, sideShown, videoLeavesTopmost;
  } cases[] = {
      {1, 1, 1, 1, false, false, false},
      {0, 1, 0, 1, true, false, false},
      {0x10002, 0, 1, 3, false, true, true},
      {1, 0, 0, 5, false, false, true},
  };
  for (const auto& c : cases) {
    ctx.ui.downOpen = c.downOpen;
    ctx.ui.sideOpen = c.sideOpen;
    w.Show(ctx.windows.downList, kSwHide);
    w.Show(ctx.windows.sideList, kSwHide);
    ctx.panelIni.RawWrite(panel::kPanelSection, panel::kPanelNowKey,
                          std::to_string(c.skin).c_str());
    ctx.settings.Write(keys::kAlwaysOnTop, "TRUE");
    w.events.clear();
    OnCommand(ctx, cmd::kPeerSidePanels, c.value);
    EXPECT_EQ(ctx.ui.listsSuppressed, c.value & 0xFFFF);
    EXPECT_EQ(w.State(ctx.windows.downList).visible, c.downShown);
    EXPECT_EQ(w.State(ctx.windows.sideList).visible, c.sideShown);
    const Strings topmost = w.EventsStartingWith("Topmost");
    EXPECT_EQ(topmost.size(), c.videoLeavesTopmost ? 3u : 2u);
    EXPECT_EQ(topmost.back(), "Topmost " + fakes::Hex(video));
  }
}

}  // namespace
}  // namespace tv::commands
