// The panel's list windows from another process. List-view messages that carry pointers are not
// carried between processes, so their structures are put into the panel's own memory and read
// back from there. Activation and the right click reach the panel as the notifications a list
// window sends it; a menu choice as the command the menu would send.
#include "list_control.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "arguments.h"
#include "commands/command_ids.h"
#include "panel_input.h"
#include "tuning/side_list.h"

namespace tv::remote {
namespace {

constexpr std::size_t kTextCapacity = 260;
constexpr DWORD kDialogWaitMs = 5000;
constexpr DWORD kPollMs = 50;

// A block of the panel process's memory, given back when it goes out of scope.
class RemoteBlock {
 public:
  RemoteBlock(HWND owner, std::size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_ == nullptr) RuntimeError("cannot reach the panel's process");
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (address_ == nullptr) RuntimeError("cannot share memory with the panel");
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;
  ~RemoteBlock() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
  }
  char* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
  LPARAM Param(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }
  void Write(std::size_t offset, const void* data, std::size_t bytes) const {
    WriteProcessMemory(process_, At(offset), data, bytes, nullptr);
  }
  void Read(std::size_t offset, void* data, std::size_t bytes) const {
    ReadProcessMemory(process_, At(offset), data, bytes, nullptr);
  }

 private:
  std::size_t size_;
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

struct ListSearch {
  HWND panel;
  bool down;
  HWND found = nullptr;
};

// Both lists are list views owned by the panel; only the file list keeps its icons on the left.
BOOL CALLBACK MatchList(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ListSearch*>(param);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpiA(className, WC_LISTVIEWA) != 0 || GetWindow(window, GW_OWNER) != search->panel)
    return TRUE;
  const bool alignedLeft = (GetWindowLongPtrA(window, GWL_STYLE) & LVS_ALIGNLEFT) != 0;
  if (alignedLeft != search->down) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindList(HWND panel, bool down) {
  ListSearch search{panel, down};
  EnumWindows(MatchList, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr)
    RuntimeError(std::string("the panel has no ") + (down ? "file" : "channel") + " list yet");
  return search.found;
}

int ItemCount(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

int ItemIndex(HWND list, const std::string& word) {
  const std::optional<long long> n = ParseInteger(word);
  if (!n) UsageError("N must be an item number, not \"" + word + "\"");
  if (*n < 0 || *n >= ItemCount(list))
    RuntimeError("no item " + word + " (the list has " + std::to_string(ItemCount(list)) + ")");
  return static_cast<int>(*n);
}

std::string ItemText(HWND panel, HWND list, int item, int column) {
  RemoteBlock block(panel, sizeof(LVITEMA) + kTextCapacity);
  LVITEMA it{};
  it.iSubItem = column;
  it.pszText = block.At(sizeof(LVITEMA));
  it.cchTextMax = static_cast<int>(kTextCapacity);
  block.Write(0, &it, sizeof it);
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), block.Param());
  char text[kTextCapacity] = {};
  block.Read(sizeof(LVITEMA), text, sizeof text - 1);
  return text;
}

void SetState(HWND panel, HWND list, int item, UINT state) {
  RemoteBlock block(panel, sizeof(LVITEMA));
  LVITEMA it{};
  it.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  it.state = state;
  block.Write(0, &it, sizeof it);
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), block.Param());
}

// As a click does: only these items selected, the last one focused and marked.
void Select(HWND panel, HWND list, const std::vector<int>& items) {
  SetState(panel, list, -1, 0);
  for (int item : items) SetState(panel, list, item, LVIS_SELECTED | LVIS_FOCUSED);
  SendMessageA(list, LVM_SETSELECTIONMARK, 0, items.back());
}

// The notification a list window sends its panel, with the item it concerns. The system does
// not send WM_NOTIFY between processes, so it is posted; its block stays in the panel's memory
// (a page per call), since nothing tells when the panel has read it.
void Notify(HWND panel, HWND list, UINT code, int item, int column = 0) {
  DWORD pid = 0;
  GetWindowThreadProcessId(panel, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
  if (process == nullptr) RuntimeError("cannot reach the panel's process");
  void* block =
      VirtualAllocEx(process, nullptr, sizeof(NMITEMACTIVATE), MEM_COMMIT, PAGE_READWRITE);
  if (block == nullptr) RuntimeError("cannot share memory with the panel");
  NMITEMACTIVATE n{};
  n.hdr.hwndFrom = list;
  n.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
  n.hdr.code = code;
  n.iItem = item;
  n.iSubItem = column;
  WriteProcessMemory(process, block, &n, sizeof n, nullptr);
  CloseHandle(process);
  PostMessageA(panel, WM_NOTIFY, n.hdr.idFrom, reinterpret_cast<LPARAM>(block));
}

HWND FindNameDialog(HWND panel) {
  HWND dialog = nullptr;
  while ((dialog = FindWindowExA(nullptr, dialog, reinterpret_cast<LPCSTR>(32770), nullptr)))
    if (GetWindow(dialog, GW_OWNER) == panel && GetDlgItem(dialog, tuning::name_dialog::kNameEdit))
      return dialog;
  return nullptr;
}

HWND NameDialog(HWND panel) {
  for (DWORD waited = 0; waited < kDialogWaitMs; waited += kPollMs) {
    if (HWND dialog = FindNameDialog(panel)) return dialog;
    Sleep(kPollMs);
  }
  RuntimeError("the channel-name dialog is not open");
}

struct MenuEntry {
  const char* word;
  cmd::Id id;
};
constexpr MenuEntry kFileMenu[] = {{"edit", cmd::kFileEdit},
                                   {"email", cmd::kFileEmail},
                                   {"saveas", cmd::kFileSaveAs},
                                   {"delete", cmd::kFileDelete},
                                   {"deleteall", cmd::kFileDeleteAll}};

int RunMenu(HWND panel, HWND list, bool down, const Arguments& args) {
  const auto& p = args.Positional();
  if (p.size() < 3) UsageError("usage: tvremote list down|side menu ITEM");
  const std::string item = p[2];
  if (down) {
    for (const MenuEntry& entry : kFileMenu)
      if (lstrcmpiA(item.c_str(), entry.word) == 0) {
        // What the context menu sends when the item is chosen (it only shows with a selection).
        if (SendMessageA(list, LVM_GETSELECTIONMARK, 0, 0) < 0)
          RuntimeError("no item is selected: the menu would not show");
        PostMessageA(panel, WM_COMMAND, entry.id, 0);
        return kExitOk;
      }
    UsageError("the file menu has edit, email, saveas, delete, deleteall; not \"" + item + "\"");
  }
  namespace nd = tuning::name_dialog;
  if (item == "name") {
    // The right click that opens the dialog; with TEXT, it is typed as the name and saved.
    if (p.size() > 4) UsageError("usage: tvremote list side menu name [TEXT] [--close]");
    Notify(panel, list, NM_RCLICK,
           static_cast<int>(SendMessageA(list, LVM_GETSELECTIONMARK, 0, 0)));
  } else if (item != "save" && item != "close") {
    UsageError("the channel list's menu has name, save, close; not \"" + item + "\"");
  }
  HWND dialog = NameDialog(panel);
  if (item == "name" && p.size() == 4) {
    SetDlgItemTextA(dialog, nd::kNameEdit, p[3].c_str());
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(nd::kSave, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, nd::kSave)));
  }
  if (item == "save")
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(nd::kSave, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, nd::kSave)));
  if (item == "close" || args.Has("--close"))
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(nd::kClose, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, nd::kClose)));
  return kExitOk;
}

}  // namespace

int RunList(std::span<const std::string> words) {
  const Arguments args(words, {{"--close"}, {}});
  const auto& p = args.Positional();
  if (p.size() < 2 || (p[0] != "down" && p[0] != "side"))
    UsageError(
        "usage: tvremote list down|side count|text N [COLUMN]|select N [N...]|"
        "activate N|sort COLUMN|menu ITEM");
  const bool down = p[0] == "down";
  HWND panel = FindPanel();
  HWND list = FindList(panel, down);
  const std::string& verb = p[1];
  if (verb == "count") {
    std::printf("%d\n", ItemCount(list));
  } else if (verb == "text") {
    if (p.size() < 3 || p.size() > 4) UsageError("usage: tvremote list down|side text N [COLUMN]");
    const int column = p.size() == 4 ? static_cast<int>(ParseInteger(p[3]).value_or(0)) : 0;
    std::printf("%s\n", ItemText(panel, list, ItemIndex(list, p[2]), column).c_str());
  } else if (verb == "select") {
    if (p.size() < 3) UsageError("usage: tvremote list down|side select N [N...]");
    std::vector<int> items;
    for (std::size_t i = 2; i < p.size(); ++i) items.push_back(ItemIndex(list, p[i]));
    Select(panel, list, items);
  } else if (verb == "activate") {
    if (p.size() != 3) UsageError("usage: tvremote list down|side activate N");
    const int item = ItemIndex(list, p[2]);
    Select(panel, list, {item});
    Notify(panel, list, LVN_ITEMACTIVATE, item);
  } else if (verb == "sort") {
    if (p.size() != 3) UsageError("usage: tvremote list down|side sort COLUMN");
    const std::optional<long long> column = ParseInteger(p[2]);
    if (!column || *column < 0 || *column > 255) UsageError("COLUMN must be 0..255");
    Notify(panel, list, LVN_COLUMNCLICK, -1, static_cast<int>(*column));
  } else if (verb == "menu") {
    return RunMenu(panel, list, down, args);
  } else {
    UsageError("unknown list request \"" + verb + "\" (count, text, select, activate, sort, menu)");
  }
  return kExitOk;
}

}  // namespace tv::remote
