#pragma once
// What the behaviour puts into the two list windows (made by WindowManager::CreateList): columns,
// an image list, items with a parameter, an image and sub-items, sorting, arranging, the view
// mode and the selection. The window itself (place, visibility) stays with the window manager.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "platform/handles.h"

namespace tv {

enum class ListViewMode { Icon, List, Report, SmallIcon };
// Which of a list's image lists: the large-icon one or the small-icon one.
enum class ImageSet { Normal, Small };

struct ListItem {
  int position = 0;  // where it goes; the list may put it elsewhere when it keeps an order
  std::string text;
  int image = 0;
  std::intptr_t param = 0;
};

class ListViews {
 public:
  virtual ~ListViews() = default;

  virtual void AddColumn(WindowRef list, int column, const std::string& title, int widthPx) = 0;

  // A new, empty image list of images of `imageSize` becomes the list's image list of that set;
  // the one it replaces is destroyed.
  virtual void NewImageList(WindowRef list, ImageSet set, Size imageSize, int initial,
                            int grow) = 0;
  // Each returns the new image's index, or -1 when nothing was added: a picture file is scaled
  // to the image size and fails when it is missing or not a readable bitmap.
  virtual int AddPictureFile(WindowRef list, ImageSet set, const std::string& path) = 0;
  virtual int AddBlankImage(WindowRef list, ImageSet set) = 0;
  virtual int AddIcon(WindowRef list, ImageSet set, int iconResource) = 0;
  virtual void RemoveAllImages(WindowRef list, ImageSet set) = 0;

  // The new item's index, or -1.
  virtual int InsertItem(WindowRef list, const ListItem& item) = 0;
  // Column 1 and up; column 0 is the item's own text.
  virtual void SetSubItem(WindowRef list, int item, int column, const std::string& text) = 0;
  virtual void DeleteAllItems(WindowRef list) = 0;
  virtual int ItemCount(WindowRef list) = 0;
  // At most capacity - 1 characters; empty for an item or column that does not exist.
  virtual std::string ItemText(WindowRef list, int item, int column, std::uint32_t capacity) = 0;

  // Items whose state is "selected", in item order.
  virtual std::vector<int> SelectedItems(WindowRef list) = 0;
  // The item the single-item actions work on; -1 when there is none.
  virtual int SelectionMark(WindowRef list) = 0;

  // Orders the items by their parameters: compare returns <0, 0 or >0 like strcmp.
  using Compare = std::function<int(std::intptr_t, std::intptr_t)>;
  virtual void Sort(WindowRef list, const Compare& compare) = 0;
  // Lines the icons up again (default alignment).
  virtual void Arrange(WindowRef list) = 0;
  virtual void SetViewMode(WindowRef list, ListViewMode mode) = 0;
  // While held, the list does not repaint; releasing it repaints the whole list once. A fill
  // holds it: a list that repaints after every item takes seconds for a hundred of them.
  virtual void HoldRedraw(WindowRef list, bool hold) = 0;
};

// Holds a list's repainting for a scope.
class RedrawHold {
 public:
  RedrawHold(ListViews& lists, WindowRef list) : lists_(lists), list_(list) {
    if (list_) lists_.HoldRedraw(list_, true);
  }
  RedrawHold(const RedrawHold&) = delete;
  RedrawHold& operator=(const RedrawHold&) = delete;
  ~RedrawHold() {
    if (list_) lists_.HoldRedraw(list_, false);
  }

 private:
  ListViews& lists_;
  WindowRef list_;
};

}  // namespace tv
