#include "fakes/fake_dialogs.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace tv::fakes {

int FakeDialog::AddItem(int control, const std::string& text) {
  FakeControl& c = Control(control);
  c.items.push_back(text);
  c.itemData.push_back(0);
  return static_cast<int>(c.items.size()) - 1;
}

void FakeDialog::InsertItem(int control, int index, const std::string& text) {
  FakeControl& c = Control(control);
  // -1 appends, as the real lists do.
  const auto at =
      index < 0 || index > ItemCount(control) ? c.items.size() : static_cast<std::size_t>(index);
  c.items.insert(c.items.begin() + static_cast<std::ptrdiff_t>(at), text);
  c.itemData.insert(c.itemData.begin() + static_cast<std::ptrdiff_t>(at), 0);
  if (c.selection >= static_cast<int>(at)) ++c.selection;
}

void FakeDialog::DeleteItem(int control, int index) {
  if (!Has(control, index)) return;
  FakeControl& c = Control(control);
  c.items.erase(c.items.begin() + index);
  c.itemData.erase(c.itemData.begin() + index);
  if (c.selection == index)
    c.selection = -1;
  else if (c.selection > index)
    --c.selection;
}

void FakeDialog::ResetItems(int control) {
  FakeControl& c = Control(control);
  c.items.clear();
  c.itemData.clear();
  c.selection = -1;
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

void FakeDialog::SetSliderRange(int control, int min, int max) {
  FakeControl& c = Control(control);
  c.rangeSet = true;
  c.rangeMin = min;
  c.rangeMax = max;
  c.position = std::clamp(c.position, min, max);
}

void FakeDialog::SetSliderPos(int control, int position) {
  FakeControl& c = Control(control);
  c.position = std::clamp(position, c.rangeMin, c.rangeMax);
}

}  // namespace tv::fakes
