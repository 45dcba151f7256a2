#pragma once
// Opaque names for things the operating system owns. The behaviour passes them around and
// compares them; only src/win32/ and the fakes know what is behind the number.

#include <cstdint>

namespace tv {

struct WindowRef {
  std::uintptr_t id = 0;
  explicit operator bool() const { return id != 0; }
  friend bool operator==(WindowRef, WindowRef) = default;
};

}  // namespace tv
