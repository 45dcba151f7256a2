#include "fakes/fake_dialogs.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace tv::fakes {

void FakeDialog::InsertItem(int control, int index, const std::string& text) {
  FakeControl& c = Control(control);
  // -1 appends, as the real lists do.
  const int at = index < 0 || index > ItemCount(control) ? ItemCount(control) : index;
  c.items.insert(c.items.begin() + at, text);
  c.itemData.insert(c.itemData.begin() + at, 0);
  if (c.selection >= at) ++c.selection;
}

void FakeDialog::DeleteItem(int control, int index) {
  if (!Has(control, index)) return;
  FakeControl& c = Control(control);
  c.items.erase(c.items.begin() + index);
  c.itemData.erase(c.itemData.begin() + index);
  c.selection = c.selection == index ? -1 : c.selection - (c.selection > index);
}

int FakeDialog::FindPrefix(int control, int after, const std::string& prefix) {
  const int n = ItemCount(control);
  const int start = after < 0 || after >= n ? 0 : after + 1;
  for (int k = 0; k < n; ++k) {
    const int i = (start + k) % n;
    const std::string& item = Control(control).items[static_cast<std::size_t>(i)];
    if (item.size() >= prefix.size() &&
        std::equal(prefix.begin(), prefix.end(), item.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) ==
                 std::tolower(static_cast<unsigned char>(b));
        }))
      return i;
  }
  return -1;
}

}  // namespace tv::fakes
