#pragma once
// Skin pictures recorded: which files were loaded, and every rectangle copy in order.

#include <optional>
#include <string>
#include <vector>

#include "platform/graphics.h"

namespace tv::fakes {

struct Copy {
  Surface from = Surface::Normal;
  Rect source;
  std::optional<Surface> into;  // nullopt: onto the window
  Point to;
  bool ToWindow() const { return !into.has_value(); }
  friend bool operator==(const Copy&, const Copy&) = default;
};

struct LoadedPictures {
  std::string normal, hover, pressed, sprites;
};

class FakeGraphics : public SkinGraphics {
 public:
  void LoadPictures(const std::string& normal, const std::string& hover, const std::string& pressed,
                    const std::string& sprites) override;
  void ReleasePictures() override;
  void CopyToWindow(Surface from, Rect source, Point to) override;
  void CopyToSurface(Surface from, Rect source, Surface into, Point to) override;

  std::vector<Copy> WindowCopies() const;
  std::vector<Copy> CopiesInto(Surface surface) const;
  void ClearCopies() { copies.clear(); }

  std::vector<LoadedPictures> loads;
  std::vector<Copy> copies;
  int releases = 0;
};

}  // namespace tv::fakes
