#pragma once
// Modal dialogs built from the program's dialog templates. The behaviour sees a dialog only
// through its controls, named by their template ids, and is told when it starts and when a
// control sends a command; everything it does to a dialog goes through DialogControls.

#include <cstdint>
#include <string>

#include "platform/handles.h"

namespace tv {

// Notification codes of WM_COMMAND that dialog behaviour reacts to.
inline constexpr int kBnClicked = 0;
inline constexpr int kCbnSelChange = 1;  // also LBN_SELCHANGE

inline constexpr int kIdDialogOk = 1;
inline constexpr int kIdDialogCancel = 2;  // what Escape and the close box send
// SetText on this "control" sets the dialog's own title.
inline constexpr int kDialogTitle = 0;

class DialogControls {
 public:
  virtual ~DialogControls() = default;

  // The dialog window itself, for the window manager (placement, z-order).
  virtual WindowRef Window() = 0;

  virtual void SetText(int control, const std::string& text) = 0;
  // At most capacity - 1 characters.
  virtual std::string Text(int control, std::uint32_t capacity) = 0;

  // List boxes and combo boxes alike.
  virtual void AddItem(int control, const std::string& text) = 0;
  virtual int ItemCount(int control) = 0;
  // Empty for an index outside the list.
  virtual std::string ItemText(int control, int index) = 0;
  // An index outside the list leaves nothing selected.
  virtual void Select(int control, int index) = 0;
  // -1 when nothing is selected.
  virtual int Selection(int control) = 0;

  virtual void Enable(int control, bool enabled) = 0;
  virtual bool IsEnabled(int control) = 0;
  virtual void Show(int control, bool shown) = 0;
  virtual bool IsShown(int control) = 0;

  // Checks `checked` and clears the other radio buttons first..last.
  virtual void CheckRadio(int first, int last, int checked) = 0;
  virtual bool IsChecked(int control) = 0;

  // Ends the modal loop; RunModal returns result.
  virtual void Close(int result) = 0;
};

// The behaviour of one dialog: one entry per message the dialog reacts to.
class DialogHandler {
 public:
  virtual ~DialogHandler() = default;
  virtual void OnInit(DialogControls& dialog) = 0;
  virtual void OnCommand(DialogControls& dialog, int control, int notification) = 0;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Runs the dialog of template templateId modally, owned by owner, until the handler closes
  // it; returns the result given to Close, or -1 when the dialog could not be created.
  virtual int RunModal(int templateId, WindowRef owner, DialogHandler& handler) = 0;
};

}  // namespace tv
