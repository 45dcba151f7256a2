#include "commands/captured_files.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/video_window.h"
#include "panel/layout.h"
#include "panel/skin.h"

namespace tv::commands {
namespace {

using panel::Caption;

enum Column { kName = 0, kSize = 1, kType = 2, kTime = 3, kPath = 4 };
constexpr int kColumnWidths[] = {80, 80, 80, 150, 150};
constexpr Caption kColumnTitles[] = {Caption::IDS_FILENAME, Caption::IDS_FILESIZE,
                                     Caption::IDS_FILETYPE, Caption::IDS_FILETIME,
                                     Caption::IDS_FULLPATH};
constexpr std::uint32_t kTextCapacity = 260;

// A recording's media file is looked for in this order; the first that exists is the entry.
constexpr const char* kMediaExtensions[] = {".dat", ".mpg", ".avi", ".wav", ".mp3"};
constexpr const char* kSnapshotType = ".bmp";
constexpr const char* kMailLibrary = "\\MAPI32.DLL";
constexpr const char* kMailDelimiter = ";";
constexpr const char* kSaveTitle = "Save as File";
constexpr const char* kErrorCaption = "error";
// Skins whose artwork overlaps the video window: it leaves the topmost band when the side
// panels are hidden or shown.
constexpr int kFirstOverlappingSkin = 3, kLastOverlappingSkin = 5;

std::string CaptureDirectory(PanelContext& ctx) {
  std::string dir = ctx.settings.Text(keys::kCaptureFile);
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  return dir;
}

// From the last point on ("" without one); `text` may be a name or a path.
std::string LastExtension(const std::string& text) {
  const std::size_t point = text.find_last_of('.');
  const std::size_t slash = text.find_last_of('\\');
  if (point == std::string::npos || (slash != std::string::npos && point < slash)) return {};
  return text.substr(point);
}

std::string WithoutLastExtension(const std::string& name) {
  const std::string ext = LastExtension(name);
  return name.substr(0, name.size() - ext.size());
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::optional<FoundFile> Stat(PanelContext& ctx, const std::string& path) {
  std::vector<FoundFile> found = ctx.os.fileOps.FindFiles(path);
  if (found.empty()) return std::nullopt;
  return found.front();
}

void BringPanelForward(PanelContext& ctx) {
  ctx.os.windows.BringToForeground(ctx.windows.panel);
}

// One entry: its thumbnail (a blank picture when the file cannot be read, so that the pictures
// of later items stay theirs), the item, its sub-items and its slot's texts. Files without a
// slot or whose path would not fit the slot's 260 bytes are left out.
bool AddEntry(PanelContext& ctx, const std::string& dir, const std::string& thumbnail,
              const FoundFile& entry) {
  const std::optional<int> slot = files::SlotOfName(entry.name);
  if (!slot) return false;
  const std::string path = dir + "\\" + entry.name;
  if (path.size() >= kTextCapacity) return false;

  ListViews& lists = ctx.os.lists;
  const WindowRef list = ctx.windows.downList;
  int image = lists.AddPictureFile(list, ImageSet::Normal, thumbnail);
  if (image < 0) image = lists.AddBlankImage(list, ImageSet::Normal);

  CapturedFileTexts& texts = ctx.capturedFiles.slots[static_cast<std::size_t>(*slot)];
  // Sizes above 4 GiB show their low 32 bits, as the peers' own lists do.
  texts = CapturedFileTexts{entry.name, DecimalText(entry.size & 0xFFFFFFFFu),
                            files::TypeText(entry.name), files::TimeText(entry.lastWrite), path};
  const int item =
      lists.InsertItem(list, ListItem{lists.ItemCount(list), entry.name, image, *slot});
  if (item < 0) return false;
  lists.SetSubItem(list, item, kSize, texts.size);
  lists.SetSubItem(list, item, kType, texts.type);
  lists.SetSubItem(list, item, kTime, texts.time);
  lists.SetSubItem(list, item, kPath, texts.path);
  return true;
}

// The folder is listed once per fill; a name is found in the listing as the file system finds
// it, without regard to case.
const FoundFile* FindListed(const std::vector<FoundFile>& folder, const std::string& name) {
  for (const FoundFile& file : folder)
    if (EqualIgnoringCase(file.name, name)) return &file;
  return nullptr;
}

bool IsSnapshotName(const std::string& name) {
  return name.size() >= 2 && EqualIgnoringCase(name.substr(0, 2), "qv") &&
         EqualIgnoringCase(LastExtension(name), kSnapshotType);
}

// The media file of a thumbnail: the first existing base name + extension; none for a snapshot.
const FoundFile& EntryFor(const std::vector<FoundFile>& folder, const FoundFile& bitmap) {
  const std::string base = WithoutLastExtension(bitmap.name);
  for (const char* ext : kMediaExtensions)
    if (const FoundFile* media = FindListed(folder, base + ext)) return *media;
  return bitmap;
}

void ClearList(PanelContext& ctx) {
  ctx.os.lists.RemoveAllImages(ctx.windows.downList, ImageSet::Normal);
  ctx.os.lists.DeleteAllItems(ctx.windows.downList);
}

std::string ItemColumn(PanelContext& ctx, int item, int column) {
  return ctx.os.lists.ItemText(ctx.windows.downList, item, column, kTextCapacity);
}

// The item the single-item actions work on, -1 when there is none (or no list).
int MarkedItem(PanelContext& ctx) {
  if (!ctx.windows.downList) return -1;
  return ctx.os.lists.SelectionMark(ctx.windows.downList);
}

// A recording goes with its thumbnail: the path up to its last point, then "bmp".
void DeleteEntryFiles(PanelContext& ctx, int item) {
  const std::string path = ItemColumn(ctx, item, kPath);
  ctx.os.fileOps.Delete(path);
  if (ItemColumn(ctx, item, kType) != kSnapshotType) {
    const std::size_t point = path.find_last_of('.');
    if (point != std::string::npos) ctx.os.fileOps.Delete(path.substr(0, point + 1) + "bmp");
  }
}

// ---- commands ------------------------------------------------------------------------------

void OpenMarked(PanelContext& ctx, std::intptr_t) {
  const int item = MarkedItem(ctx);
  if (item >= 0) ctx.os.fileOps.OpenWithShell(ItemColumn(ctx, item, kPath));
}

enum class Expect { Picture, Video };

void OpenChecked(PanelContext& ctx, Expect expect) {
  const int item = MarkedItem(ctx);
  if (item < 0) return;
  const std::string path = ItemColumn(ctx, item, kPath);
  const bool picture = LastExtension(path) == kSnapshotType;
  if (expect == Expect::Picture && !picture) {
    ctx.os.messageBoxes.Show({}, "This file is not a graph!", kErrorCaption, kMbOk);
    return;
  }
  if (expect == Expect::Video && picture) {
    ctx.os.messageBoxes.Show({}, "This file is not a video file!", kErrorCaption, kMbOk);
    return;
  }
  ctx.os.fileOps.OpenWithShell(path);
}

void OpenPicture(PanelContext& ctx, std::intptr_t) {
  OpenChecked(ctx, Expect::Picture);
}
void OpenVideo(PanelContext& ctx, std::intptr_t) {
  OpenChecked(ctx, Expect::Video);
}

void SaveAs(PanelContext& ctx, std::intptr_t) {
  const int item = MarkedItem(ctx);
  if (item < 0) return;
  const std::string source = ItemColumn(ctx, item, kPath);
  const bool picture = ItemColumn(ctx, item, kType) == kSnapshotType;
  SaveRequest request{ctx.windows.panel,
                      kSaveTitle,
                      ItemColumn(ctx, item, kName),
                      picture ? "BMP" : "Media Type",
                      picture ? "*.bmp" : "*.mpg;*.dat;*.avi;*.wav;*.mp3",
                      kTextCapacity};
  std::optional<std::string> target = ctx.os.fileOps.AskSaveName(request);
  if (!target || target->empty()) return;
  const std::size_t slash = target->find_last_of('\\');
  const std::string chosenName = slash == std::string::npos ? *target : target->substr(slash + 1);
  if (chosenName.find('.') == std::string::npos) *target += LastExtension(source);
  ctx.os.fileOps.Copy(source, *target);
  BringPanelForward(ctx);
}

void DeleteSelected(PanelContext& ctx, std::intptr_t) {
  if (!ctx.windows.downList) return;
  const std::vector<int> selected = ctx.os.lists.SelectedItems(ctx.windows.downList);
  if (selected.size() > 1) {
    for (int item : selected) DeleteEntryFiles(ctx, item);
  } else {
    const int item = MarkedItem(ctx);
    if (item < 0) return;
    DeleteEntryFiles(ctx, item);
  }
  {
    const RedrawHold hold(ctx.os.lists, ctx.windows.downList);
    ClearList(ctx);
    FillFileList(ctx);
  }
  ctx.os.lists.Arrange(ctx.windows.downList);
  BringPanelForward(ctx);
}

// Every "qv" file goes, listed or not (a recording whose thumbnail is gone, for example).
void DeleteAll(PanelContext& ctx, std::intptr_t) {
  const std::string dir = CaptureDirectory(ctx);
  for (const FoundFile& file : ctx.os.fileOps.FindFiles(dir + "\\qv*.*"))
    ctx.os.fileOps.Delete(dir + "\\" + file.name);
  if (ctx.windows.downList) ClearList(ctx);
}

void Email(PanelContext& ctx, std::intptr_t) {
  if (!ctx.windows.downList) return;
  const std::vector<int> selected = ctx.os.lists.SelectedItems(ctx.windows.downList);
  files::MailLists lists;
  if (selected.size() > 1) {
    for (int item : selected)
      files::AppendToMail(lists, ItemColumn(ctx, item, kPath), ItemColumn(ctx, item, kName));
  } else {
    const int item = MarkedItem(ctx);
    if (item < 0) return;
    lists.paths = ItemColumn(ctx, item, kPath);
    lists.names = ItemColumn(ctx, item, kName);
    lists.entries = 1;
  }
  if (lists.entries == 0) return;
  ctx.os.fileOps.SendDocuments(ctx.os.fileOps.SystemDirectory() + kMailLibrary, kMailDelimiter,
                               lists.paths, lists.names);
}

void NextViewMode(PanelContext& ctx, std::intptr_t) {
  const WindowRef list = ctx.windows.downList;
  if (!list) return;
  int& mode = ctx.capturedFiles.viewMode;
  mode = mode + 1 == 4 ? 1 : mode + 1;
  switch (mode) {
    case 1:
      ctx.os.lists.SetViewMode(list, ListViewMode::Icon);
      ctx.os.lists.Arrange(list);
      break;
    case 2:
      ctx.os.lists.SetViewMode(list, ListViewMode::List);
      break;
    default:
      ctx.os.lists.SetViewMode(list, ListViewMode::Report);
      break;
  }
}

constexpr CommandHandler kHandlers[] = {
    {cmd::kFileEdit, OpenMarked},       {cmd::kFileSaveAs, SaveAs},
    {cmd::kFileDelete, DeleteSelected}, {cmd::kFileEmail, Email},
    {cmd::kFileDeleteAll, DeleteAll},   {cmd::kFileEmailButton, Email},
    {cmd::kListViewMode, NextViewMode}, {cmd::kOpenSnapshot, OpenPicture},
    {cmd::kOpenMovie, OpenVideo},
};

void ShowOrHideList(PanelContext& ctx, WindowRef list, int open, int value) {
  if (!list) return;
  if (value == 1)
    ctx.os.windows.Show(list, kSwHide);
  else if (open == 1)
    ctx.os.windows.Show(list, kSwShow);
}

}  // namespace

HandlerTable FileCommandHandlers() {
  return kHandlers;
}

void SetUpFileList(PanelContext& ctx) {
  const WindowRef list = ctx.windows.downList;
  if (!list) return;
  for (int column = 0; column < 5; ++column)
    ctx.os.lists.AddColumn(list, column, ctx.layout.Text(kColumnTitles[column]),
                           kColumnWidths[column]);
  FillFileList(ctx);
  ctx.capturedFiles.viewMode = 1;
  ctx.os.lists.SetViewMode(list, ListViewMode::Icon);
}

void FillFileList(PanelContext& ctx) {
  const WindowRef list = ctx.windows.downList;
  if (!list) return;
  const RedrawHold hold(ctx.os.lists, list);
  const std::string dir = CaptureDirectory(ctx);
  ctx.os.lists.NewImageList(list, ImageSet::Normal,
                            Size{files::kThumbnailWidth, files::kThumbnailHeight}, 1, 0);
  // "qv*.*" holds every "qv*.bmp" and every media file, in the file system's order.
  const std::vector<FoundFile> folder = ctx.os.fileOps.FindFiles(dir + "\\qv*.*");
  for (const FoundFile& bitmap : folder)
    if (IsSnapshotName(bitmap.name))
      AddEntry(ctx, dir, dir + "\\" + bitmap.name, EntryFor(folder, bitmap));
  SortFileList(ctx, kName);
  BringPanelForward(ctx);
  ctx.os.windows.SetFocus(ctx.windows.panel);
}

void SortFileList(PanelContext& ctx, int column) {
  if (!ctx.windows.downList) return;
  const auto& slots = ctx.capturedFiles.slots;
  ctx.os.lists.Sort(ctx.windows.downList, [&slots, column](std::intptr_t a, std::intptr_t b) {
    if (a < 0 || b < 0 || a >= CapturedFilesState::kSlots || b >= CapturedFilesState::kSlots)
      return 0;
    return files::CompareEntries(slots[static_cast<std::size_t>(a)],
                                 slots[static_cast<std::size_t>(b)], column);
  });
}

// The peer names the file by its full path; a bare name is taken from the capture folder.
// Before the list exists there is nothing to add to: its first opening reads the folder.
void AddCapturedFile(PanelContext& ctx) {
  if (!ctx.windows.downList) return;
  const std::string added = ctx.settings.Text(keys::kAddItem);
  if (added.empty()) return;
  const std::size_t slash = added.find_last_of('\\');
  const std::string dir =
      slash == std::string::npos ? CaptureDirectory(ctx) : added.substr(0, slash);
  const std::string name = slash == std::string::npos ? added : added.substr(slash + 1);
  if (name.empty()) return;
  const bool snapshot = EqualIgnoringCase(LastExtension(name), kSnapshotType);
  const std::string thumbnail =
      dir + "\\" + (snapshot ? name : WithoutLastExtension(name) + ".bmp");
  const std::optional<FoundFile> info = Stat(ctx, dir + "\\" + name);
  if (!info || !AddEntry(ctx, dir, thumbnail, *info)) return;
  SortFileList(ctx, kName);
  ctx.os.lists.Arrange(ctx.windows.downList);
  BringPanelForward(ctx);
}

void MarkFilesPanelClosed(PanelContext& ctx) {
  ctx.ui.downOpen = 0;
}

void HideOrShowSidePanels(PanelContext& ctx, int value) {
  ctx.ui.listsSuppressed = value;
  ShowOrHideList(ctx, ctx.windows.downList, ctx.ui.downOpen, value);
  ShowOrHideList(ctx, ctx.windows.sideList, ctx.ui.sideOpen, value);
  const int skin = ctx.panelIni.RawInt(panel::kPanelSection, panel::kPanelNowKey, 1);
  if (skin >= kFirstOverlappingSkin && skin <= kLastOverlappingSkin && FindVideoWindow(ctx))
    ctx.os.windows.SetTopmost(ctx.windows.video, false);
  panel::ApplyAlwaysOnTop(ctx);
}

namespace files {

std::optional<int> SlotOfName(std::string_view name) {
  if (name.size() < 4) return std::nullopt;
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!digit(name[2]) || !digit(name[3])) return std::nullopt;
  return (name[2] - '0') * 10 + (name[3] - '0');
}

std::string TypeText(std::string_view name) {
  const std::size_t point = name.find('.');
  return point == std::string_view::npos ? std::string() : std::string(name.substr(point));
}

std::string TimeText(const FileStamp& s) {
  char text[64];
  std::snprintf(text, sizeof text, "%d/%d/%d--%d:%d-%02d", s.year, s.month, s.day, s.hour, s.minute,
                s.second);
  return text;
}

int CompareEntries(const CapturedFileTexts& a, const CapturedFileTexts& b, int column) {
  const auto bytes = [](const std::string& x, const std::string& y) {
    const int c = x.compare(y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
  };
  switch (column) {
    case kName: {
      for (std::size_t i = 0; i < a.name.size() && i < b.name.size(); ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a.name[i]));
        const int y = std::tolower(static_cast<unsigned char>(b.name[i]));
        if (x != y) return x < y ? -1 : 1;
      }
      return a.name.size() == b.name.size() ? 0 : (a.name.size() < b.name.size() ? -1 : 1);
    }
    case kSize:
      return bytes(a.size, b.size);
    case kType:
      return bytes(a.type, b.type);
    case kTime:
      return bytes(a.time, b.time);
    default:
      return 0;
  }
}

void AppendToMail(MailLists& lists, const std::string& path, const std::string& name) {
  const std::size_t room = kMailListCapacity - 1;
  // Once one entry is left out, later ones are too, so the two lists stay in step.
  if (lists.full) return;
  if (lists.paths.size() + path.size() + 1 > room || lists.names.size() + name.size() + 1 > room) {
    lists.full = true;
    return;
  }
  lists.paths += path + kMailDelimiter;
  lists.names += name + kMailDelimiter;
  ++lists.entries;
}

}  // namespace files
}  // namespace tv::commands
