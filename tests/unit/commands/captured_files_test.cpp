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
using tv::testing::Join;
using tv::testing::JoinAll;
const std::string kBitmap = "BM" + std::string(60, '\0');
constexpr FileStamp kStamp{2004, 8, 30, 7, 11, 5};

class CapturedFilesTest : public ::testing::Test {
 protected:
  CapturedFilesTest() { ctx.settings.Write(keys::kCaptureFile, "C:\\Cap\\"); }
  void Place(const std::string& name, const std::string& bytes = kBitmap, std::uint64_t size = 0) {
    files.Place("C:\\Cap\\" + name, bytes, kStamp, size == 0 ? bytes.size() : size);
  }
  void Place(std::initializer_list<const char*> bitmaps) {
    for (const char* name : bitmaps) Place(name);
  }
  // A new list window, filled from the folder as at its first opening.
  void Reopen() {
    h.fake.lists.lists.clear();
    ctx.windows.downList = {};
    ctx.ui.downOpen = 0;
    panel::ToggleDownPart(ctx);
  }
  void Run(cmd::Id id) { OnCommand(ctx, id, 0); }
  fakes::FakeList& List() { return h.fake.lists.lists[ctx.windows.downList.id]; }
  Strings Texts(bool sub = false) { return h.fake.lists.Texts(ctx.windows.downList, sub); }
  std::string Items() { return JoinAll(Texts()); }
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

TEST(CapturedFileRules, SlotsTypesTimesComparisonsAndMailListsThatDropWholeEntries) {
  // clang-format off
  const struct { const char* name; std::optional<int> slot; const char* type; } names[] = {
      {"qv01.bmp", 1, ".bmp"}, {"QV01.BMP", 1, ".BMP"}, {"qv99.mpg", 99, ".mpg"},
      {"qv.bmp", {}, ".bmp"}, {"qv5.bmp", {}, ".bmp"}, {"qvAB.bmp", {}, ".bmp"}, {"qv0", {}, ""},
      {"qv01.old.mpg", 1, ".old.mpg"}, {"qv42", 42, ""}};
  // Every column of an entry holds the same text, so only the column's rule decides.
  const struct { int column; const char *a, *b; int sign; } compares[] = {
      {0, "QV02.bmp", "qv10.bmp", -1}, {0, "qv01.bmp", "QV01.BMP", 0}, {0, "qv1", "qv10", -1},
      {1, "1000", "999", -1}, {2, ".mpg", ".bmp", 1},
      {3, "2004/10/1--0:0-00", "2004/9/1--0:0-00", -1}, {4, "a", "b", 0}, {7, "a", "b", 0}};
  // clang-format on
  for (const auto& n : names)
    EXPECT_EQ(Join(files::SlotOfName(n.name).value_or(-1), files::TypeText(n.name)),
              Join(n.slot.value_or(-1), n.type))
        << n.name;
  EXPECT_EQ(files::TimeText(kStamp), "2004/8/30--7:11-05");
  EXPECT_EQ(files::TimeText({2026, 12, 6, 0, 0, 0}), "2026/12/6--0:0-00");
  const auto entry = [](const char* t) { return CapturedFileTexts{t, t, t, t, t}; };
  for (const auto& c : compares) {
    const int r = files::CompareEntries(entry(c.a), entry(c.b), c.column);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << "column " << c.column;
  }
  // 249 + ";" = 250 per entry: a fourth would need 1000 characters, one more than there is;
  // later entries stay out with it, even short ones.
  files::MailLists lists;
  const std::string longPath = "C:\\" + std::string(246, 'p');
  for (int i = 0; i < 5; ++i) files::AppendToMail(lists, longPath, "n" + std::to_string(i));
  files::AppendToMail(lists, "C:\\x", "short");
  EXPECT_EQ(Join(lists.entries, lists.paths.size(), lists.names), "3 750 n0;n1;n2;");
}

TEST_F(CapturedFilesTest, FillListsEntriesWithTheirThumbnailsAndTexts) {
  Place({"qv04.bmp", "qv01.bmp", "qv06.bmp", "qv5.bmp", "qvAB.bmp", "qv.bmp", "notes.bmp",
         "qv07.txt"});
  Place("qv01.mpg", "stream");
  Place("qv03.bmp", "");  // zero bytes: a blank picture keeps the later pictures in place
  Place("qv06.mpg", "m");
  Place("qv06.dat", "d");  // ".dat" is looked for first
  Place("qv02.bmp", "BMjunk");
  Place("qv08.avi", "no thumbnail");
  Place("qv09.bmp", kBitmap, 5ull << 32 | 77);     // over 4 GiB: the low 32 bits
  Place("qv10" + std::string(250, 'x') + ".bmp");  // its path would not fit a slot's 260 bytes
  panel::ToggleDownPart(ctx);

  const std::string t = "|2004/8/30--7:11-05|C:\\Cap\\", s = std::to_string(kBitmap.size());
  EXPECT_EQ(Texts(true),
            (Strings{"qv01.mpg|6|.mpg" + t + "qv01.mpg", "qv02.bmp|6|.bmp" + t + "qv02.bmp",
                     "qv03.bmp|0|.bmp" + t + "qv03.bmp", "qv04.bmp|" + s + "|.bmp" + t + "qv04.bmp",
                     "qv06.dat|1|.dat" + t + "qv06.dat", "qv09.bmp|77|.bmp" + t + "qv09.bmp"}));
  EXPECT_EQ(Images(),
            (Strings{"picture C:\\Cap\\qv01.bmp", "blank", "blank", "picture C:\\Cap\\qv04.bmp",
                     "picture C:\\Cap\\qv06.bmp", "picture C:\\Cap\\qv09.bmp"}));
  std::string columns;
  for (const auto& [title, width] : List().columns) columns += Join(title, width) + "|";
  EXPECT_EQ(columns, "File name 80|File size 80|File type 80|Last WriteTime 150|File Path 150|");
  // Icons of 88 x 60; redraw held while filling, and released once.
  const Size icon = List().imageSize[ImageSet::Normal];
  EXPECT_EQ(Join(icon.width, icon.height, List().mode == ListViewMode::Icon, List().redrawHeld,
                 List().repaints),
            "88 60 1 0 1");
  EXPECT_EQ(ctx.capturedFiles.slots[6].path, "C:\\Cap\\qv06.dat");
}

TEST_F(CapturedFilesTest, EveryFileOfAFullFolderIsListedAndAMissingFolderListsNothing) {
  panel::ToggleDownPart(ctx);
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
  const std::pair<const char*, int> sized[] = {
      {"qv01.bmp", 999}, {"qv02.bmp", 1000}, {"qv03.bmp", 20}};
  for (const auto& [name, size] : sized) Place(name, kBitmap, size);
  panel::ToggleDownPart(ctx);
  panel::OnListColumnClick(ctx, 1);
  EXPECT_EQ(Items(), "qv02.bmp qv03.bmp qv01.bmp");
  panel::OnListColumnClick(ctx, 0);
  EXPECT_EQ(Items(), "qv01.bmp qv02.bmp qv03.bmp");
}

TEST_F(CapturedFilesTest, NewFilesFromThePeerAddOneItemEach) {
  Place("qv01.mpg", "m");
  Place("qv01.bmp");
  ctx.settings.Write(keys::kAddItem, "C:\\Cap\\qv01.mpg");
  AddCapturedFile(ctx);  // before the list exists: its first opening reads the folder
  panel::ToggleDownPart(ctx);
  EXPECT_EQ(Items(), "qv01.mpg");
  Place("qv05.bmp");
  Place("qv03.old.mpg", "m");
  const std::string longPath = "C:\\Cap\\qv09" + std::string(250, 'x') + ".bmp";
  files.Place(longPath, kBitmap);
  // A bare name is in the capture folder; qv04.bmp is missing; the long path does not fit the
  // slot's 260 bytes.
  const std::pair<std::string, std::string> steps[] = {
      {"qv05.bmp", "qv01.mpg qv05.bmp"},
      {"", "qv01.mpg qv05.bmp"},
      {"C:\\Cap\\qv04.bmp", "qv01.mpg qv05.bmp"},
      {"C:\\Cap\\qv03.old.mpg", "qv01.mpg qv03.old.mpg qv05.bmp"},
      {longPath, "qv01.mpg qv03.old.mpg qv05.bmp"}};
  for (const auto& [added, items] : steps) {
    ctx.settings.Write(keys::kAddItem, added);
    Run(cmd::kPeerCapturedFile);
    EXPECT_EQ(Items(), items) << added;
  }
  EXPECT_EQ(Images(), (Strings{"picture C:\\Cap\\qv01.bmp", "blank", "picture C:\\Cap\\qv05.bmp"}));
  EXPECT_EQ(Texts(true)[1], "qv03.old.mpg|1|.old.mpg|2004/8/30--7:11-05|C:\\Cap\\qv03.old.mpg");
  EXPECT_EQ(List().arranges, 2);
}

TEST_F(CapturedFilesTest, DeleteTakesRecordingsWithTheirThumbnailsAndDeleteAllEveryQvFile) {
  // The files left, sorted, after deleting a selection (read-only qv03.bmp stays, and is listed
  // again).
  // clang-format off
  const std::pair<Strings, std::string> cases[] = {
      {{}, "keep.txt qv01.bmp qv01.mpg qv02.bmp qv03.bmp qv04.bmp qv04.dat"},
      {{"qv01.mpg"}, "keep.txt qv02.bmp qv03.bmp qv04.bmp qv04.dat"},
      {{"qv02.bmp"}, "keep.txt qv01.bmp qv01.mpg qv03.bmp qv04.bmp qv04.dat"},
      {{"qv01.mpg", "qv02.bmp", "qv04.dat", "qv03.bmp"}, "keep.txt qv03.bmp"}};
  // clang-format on
  for (const auto& [select, left] : cases) {
    files = fakes::FakeFileOperations();
    Place({"keep.txt", "qv01.bmp", "qv01.mpg", "qv02.bmp", "qv03.bmp", "qv04.bmp", "qv04.dat"});
    files.Find("C:\\Cap\\qv03.bmp")->readOnly = true;
    Reopen();
    for (const std::string& item : select) Select(item);
    const int arranged = List().arranges;
    Run(cmd::kFileDelete);
    Strings names = files.Names("C:\\Cap");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(Join(JoinAll(names), List().arranges - arranged,
                   h.fake.lists.SelectedItems(ctx.windows.downList).size()),
              Join(left, select.empty() ? 0 : 1, 0));
  }
  files = fakes::FakeFileOperations();
  for (const char* name : {"qv01.bmp", "qv02.mpg", "QV03.DAT", "keep.bmp", "aqv.bmp"}) Place(name);
  Reopen();
  Run(cmd::kFileDeleteAll);  // listed or not
  EXPECT_EQ(files.Names("C:\\Cap"), (Strings{"keep.bmp", "aqv.bmp"}));
  EXPECT_TRUE(Texts().empty() && List().images[ImageSet::Normal].empty());
}

TEST_F(CapturedFilesTest, OpenSaveAsAndEmailActOnTheSelectedFiles) {
  Place({"qv01.bmp", "qv02.bmp", "QV03.BMP", "qv04.bmp"});
  Place("qv02.mpg", "m");
  Place("qv04.dat", "recording");
  panel::ToggleDownPart(ctx);
  // (qv02.mpg stands for slot 2; QV03.BMP is no snapshot: the check is exact.)
  const std::pair<const char*, cmd::Id> opens[] = {
      {"qv01.bmp", cmd::kFileEdit},     {"qv02.mpg", cmd::kFileEdit},
      {"qv01.bmp", cmd::kOpenSnapshot}, {"qv02.mpg", cmd::kOpenSnapshot},
      {"QV03.BMP", cmd::kOpenSnapshot}, {"qv02.mpg", cmd::kOpenMovie},
      {"qv01.bmp", cmd::kOpenMovie}};
  for (const auto& [item, command] : opens) {
    Select(item);
    Run(command);
  }
  EXPECT_EQ(files.opened, (Strings{"C:\\Cap\\qv01.bmp", "C:\\Cap\\qv02.mpg", "C:\\Cap\\qv01.bmp",
                                   "C:\\Cap\\qv02.mpg"}));
  EXPECT_EQ(h.Boxes(),
            "This file is not a graph!|error|0x0|0;This file is not a graph!|error|0x0|0;"
            "This file is not a video file!|error|0x0|0;");
  // Save as: the source's extension when the name has none; nothing written when cancelled.
  const char* const kMedia = "Media Type|*.mpg;*.dat;*.avi;*.wav;*.mp3";
  // clang-format off
  const struct { const char* item; std::optional<std::string> answer; const char *filter, *written; } saves[] = {
      {"qv04.dat", "C:\\Out\\copy", kMedia, "C:\\Out\\copy.dat"},
      {"qv02.mpg", "C:\\Out\\my.name", kMedia, "C:\\Out\\my.name"},
      {"qv01.bmp", "C:\\Out.d\\pic", "BMP|*.bmp", "C:\\Out.d\\pic.bmp"},
      {"qv01.bmp", std::nullopt, "BMP|*.bmp", nullptr}};
  // clang-format on
  for (const auto& c : saves) {
    Select(c.item);
    files.saveAnswer = c.answer;
    Run(cmd::kFileSaveAs);
    const SaveRequest& asked = files.saveRequests.back();
    EXPECT_EQ(
        asked.title + "|" + asked.initialName + "|" + asked.filterName + "|" + asked.filterPattern,
        std::string("Save as File|") + c.item + "|" + c.filter);
    const fakes::FakeFile* copy = c.written ? files.Find(c.written) : nullptr;
    EXPECT_EQ(copy ? copy->bytes : "-",
              c.written ? files.Find("C:\\Cap\\" + std::string(c.item))->bytes : "-");
  }
  EXPECT_EQ(files.Names("C:\\Out").size(), 2u);
  // E-mail through the system's mail library; nothing selected: nothing sent.
  Reopen();
  Run(cmd::kFileEmail);
  Select("QV03.BMP");
  Run(cmd::kFileEmailButton);
  Select("qv02.mpg");
  Run(cmd::kFileEmail);
  Strings mails;
  for (const auto& m : files.mails)
    mails.push_back(m.library + "|" + m.delimiter + "|" + m.paths + "|" + m.names);
  const std::string mapi = "C:\\windows\\system32\\MAPI32.DLL|;|";
  EXPECT_EQ(mails, (Strings{mapi + "C:\\Cap\\QV03.BMP|QV03.BMP",
                            mapi + "C:\\Cap\\qv02.mpg;C:\\Cap\\QV03.BMP;|qv02.mpg;QV03.BMP;"}));
}

TEST_F(CapturedFilesTest, ViewModesCycleAndTheSidePanelsHideAndShow) {
  Run(cmd::kListViewMode);  // no list yet
  EXPECT_EQ(ctx.capturedFiles.viewMode, 1);
  panel::ToggleDownPart(ctx);
  std::string modes;
  for (int i = 0; i < 4; ++i) {
    Run(cmd::kListViewMode);
    modes += Join(static_cast<int>(*List().mode));
  }
  EXPECT_EQ(Join(modes, List().arranges), "1201 1");  // list, report, icon, list

  fakes::FakeWindowManager& w = h.fake.windows;
  ctx.windows.sideList = w.CreateList(ListWindow::Side);
  const WindowRef video = h.AddVideoWindow();
  ctx.settings.Write(keys::kAlwaysOnTop, "TRUE");
  // clang-format off
  const struct { int value, downOpen, sideOpen, skin; bool downShown, sideShown, videoLeavesTopmost; } cases[] = {
      {1, 1, 1, 1, false, false, false}, {0, 1, 0, 1, true, false, false},
      {0x10002, 0, 1, 3, false, true, true}, {1, 0, 0, 5, false, false, true}};
  // clang-format on
  for (const auto& c : cases) {
    ctx.ui.downOpen = c.downOpen;
    ctx.ui.sideOpen = c.sideOpen;
    w.Show(ctx.windows.downList, kSwHide);
    w.Show(ctx.windows.sideList, kSwHide);
    ctx.panelIni.RawWrite(panel::kPanelSection, panel::kPanelNowKey,
                          std::to_string(c.skin).c_str());
    w.events.clear();
    OnCommand(ctx, cmd::kPeerSidePanels, c.value);
    const Strings topmost = w.EventsStartingWith("Topmost");
    EXPECT_EQ(Join(ctx.ui.listsSuppressed, w.State(ctx.windows.downList).visible,
                   w.State(ctx.windows.sideList).visible, topmost.size(), topmost.back()),
              Join(c.value & 0xFFFF, c.downShown, c.sideShown, c.videoLeavesTopmost ? 3 : 2,
                   "Topmost " + fakes::Hex(video)));
  }
}

}  // namespace
}  // namespace tv::commands
