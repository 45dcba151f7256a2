#pragma once
// The captured-files browser: the list of the snapshots and recordings in the capture folder,
// with thumbnails, sorting, opening, saving a copy, e-mail and deleting; and what the video
// window program tells it (a new file, the panel marked closed, the side panels hidden).

#include <optional>
#include <string>
#include <string_view>

#include "app/panel_context.h"
#include "commands/command_table.h"
#include "platform/file_operations.h"

namespace tv::commands {

// The first time the panel unfolds the list: columns, the folder's files, icon view.
void SetUpFileList(PanelContext& ctx);
// Rebuilds the list from the capture folder: new image list, one item per "qv*.bmp", sorted by
// name, and the panel brought to the front.
void FillFileList(PanelContext& ctx);
// A click on a column header.
void SortFileList(PanelContext& ctx, int column);

// 40124: a new snapshot or recording; its name is in [quarn] "AddItem".
void AddCapturedFile(PanelContext& ctx);
// 40125: the captured-files panel counts as closed; its window is left as it is.
void MarkFilesPanelClosed(PanelContext& ctx);
// 40326: 1 hides the side panels, any other value shows them again; topmost is re-applied.
void HideOrShowSidePanels(PanelContext& ctx, int value);

// ---- the rules of the list, for the tests and the remote ---------------------------------
namespace files {

inline constexpr int kThumbnailWidth = 88;
inline constexpr int kThumbnailHeight = 60;
inline constexpr std::size_t kMailListCapacity = 1000;  // bytes, terminator included

// The slot of a file name: characters 3 and 4 as two decimal digits; nothing otherwise.
std::optional<int> SlotOfName(std::string_view name);
// The type column: the name from its first point on ("" without a point).
std::string TypeText(std::string_view name);
// "2004/8/30--7:11-05": no leading zeros except the second's.
std::string TimeText(const FileStamp& stamp);
// Column 0 ignores case; 1, 2 and 3 compare bytes; any other column finds all equal.
int CompareEntries(const CapturedFileTexts& a, const CapturedFileTexts& b, int column);

// The e-mail lists: "path;path;..." and "name;name;...", each within kMailListCapacity - 1
// characters; an entry that does not fit in both is left out with all after it.
struct MailLists {
  std::string paths, names;
  int entries = 0;
  bool full = false;  // an entry was left out
};
void AppendToMail(MailLists& lists, const std::string& path, const std::string& name);

}  // namespace files
}  // namespace tv::commands
