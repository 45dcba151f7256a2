#pragma once
// Modal dialogs and the property sheet, built from the program's dialog templates. The
// behaviour sees a dialog only through its controls, named by their template ids, and is told
// when it starts, when a control sends a command, scrolls or notifies, and when it goes;
// everything it does to a dialog goes through DialogControls.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/handles.h"

namespace tv {

// Notification codes of WM_COMMAND that dialog behaviour reacts to.
inline constexpr int kBnClicked = 0;
inline constexpr int kCbnSelChange = 1;  // also LBN_SELCHANGE
inline constexpr int kCbnSelEndOk = 9;   // a drop-down list's choice was accepted
inline constexpr int kEnUpdate = 0x0400;

// Scroll codes of WM_HSCROLL that sliders send.
inline constexpr int kSbLineUp = 0;
inline constexpr int kSbLineDown = 1;
inline constexpr int kSbThumbPosition = 4;
inline constexpr int kSbThumbTrack = 5;
inline constexpr int kSbEndScroll = 8;

// WM_NOTIFY codes: the sheet shows a page (each time it becomes the active tab).
inline constexpr int kPsnSetActive = -200;

inline constexpr int kIdDialogOk = 1;
inline constexpr int kIdDialogCancel = 2;  // what Escape and the close box send

class DialogControls {
 public:
  virtual ~DialogControls() = default;

  // The dialog window itself, for the window manager (placement, z-order) and for posts.
  virtual WindowRef Window() = 0;
  virtual void SetTitle(const std::string& text) = 0;

  virtual void SetText(int control, const std::string& text) = 0;
  // At most capacity - 1 characters.
  virtual std::string Text(int control, std::uint32_t capacity) = 0;

  // List boxes and combo boxes alike. Add returns the new item's index.
  virtual int AddItem(int control, const std::string& text) = 0;
  virtual void InsertItem(int control, int index, const std::string& text) = 0;
  virtual void DeleteItem(int control, int index) = 0;
  virtual void ResetItems(int control) = 0;
  virtual int ItemCount(int control) = 0;
  // Empty for an index outside the list.
  virtual std::string ItemText(int control, int index) = 0;
  virtual void SetItemData(int control, int index, std::intptr_t data) = 0;
  virtual std::intptr_t ItemData(int control, int index) = 0;
  // The first item after `after` (-1: from the top) that begins with prefix, case-insensitive,
  // wrapping round to the top; -1 when none does. "1" finds "10" before "1" if it comes first.
  virtual int FindPrefix(int control, int after, const std::string& prefix) = 0;
  // An index outside the list leaves nothing selected.
  virtual void Select(int control, int index) = 0;
  // -1 when nothing is selected.
  virtual int Selection(int control) = 0;
  // Switches drawing back on and repaints the control after a burst of changes.
  virtual void Redraw(int control) = 0;

  virtual void Enable(int control, bool enabled) = 0;
  virtual bool IsEnabled(int control) = 0;
  virtual void Show(int control, bool shown) = 0;
  virtual bool IsShown(int control) = 0;

  // Checks `checked` and clears the other radio buttons first..last.
  virtual void CheckRadio(int first, int last, int checked) = 0;
  // One button by id, leaving every other alone.
  virtual void Check(int control, bool checked) = 0;
  virtual bool IsChecked(int control) = 0;

  // Sliders: a position outside the range is put at its nearer end, as the control does.
  virtual void SetSliderRange(int control, int min, int max) = 0;
  virtual void SetSliderPos(int control, int position) = 0;
  virtual int SliderPos(int control) = 0;

  // Ends a modal dialog; RunModal returns result. Pages of a sheet are not closed this way.
  virtual void Close(int result) = 0;
};

// The behaviour of one dialog or page: one entry per message it reacts to. The controls given
// to a dialog stay the same object from OnInit to OnDestroy.
class DialogHandler {
 public:
  virtual ~DialogHandler() = default;
  virtual void OnInit(DialogControls& dialog) = 0;
  // WM_COMMAND: the control (low word of wParam), its notification (high word) and lParam,
  // which carries the value of commands that peers and other pages post to the dialog.
  virtual void OnCommand(DialogControls& dialog, int control, int notification,
                         std::intptr_t lParam) = 0;
  // WM_HSCROLL from a slider.
  virtual void OnScroll(DialogControls&, int /*control*/, int /*code*/) {}
  // WM_NOTIFY, kPsnSetActive among them.
  virtual void OnNotify(DialogControls&, int /*control*/, int /*code*/) {}
  virtual void OnDestroy(DialogControls&) {}
};

// The property sheet's header flags and its creation callback's message, as the platform
// takes them.
inline constexpr std::uint32_t kPshUseIconId = 0x4;
inline constexpr std::uint32_t kPshPropSheetPage = 0x8;
inline constexpr std::uint32_t kPshNoApplyNow = 0x80;
inline constexpr std::uint32_t kPshUseCallback = 0x100;
inline constexpr int kPscbPreCreate = 2;

// Called with the sheet's own dialog template before the sheet is created from it.
using SheetCallback = int (*)(void* dialogTemplate, int message);

struct SheetPage {
  int templateId = 0;
  std::string title;
  DialogHandler* handler = nullptr;
};

struct SheetHeader {
  std::uint32_t flags = 0;
  std::string caption;
  int startPage = 0;
  std::vector<SheetPage> pages;
  SheetCallback callback = nullptr;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Runs the dialog of template templateId modally, owned by owner, until the handler closes
  // it; returns the result given to Close, or -1 when the dialog could not be created.
  virtual int RunModal(int templateId, WindowRef owner, DialogHandler& handler) = 0;
  // Runs the sheet modally until OK or Cancel. A page is created when it is first shown, so
  // a page the user never opens gets no OnInit at all.
  virtual int RunPropertySheet(WindowRef owner, const SheetHeader& sheet) = 0;
};

}  // namespace tv
