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
  friend bool operator==(const Copy&, const Copy&) = default;
};

struct LoadedPictures {
  std::string normal;
};

class FakeGraphics : public SkinGraphics {
 public:
  void LoadPictures(const std::string& normal, const std::string&, const std::string&,
                    const std::string&) override {
    loads.push_back(LoadedPictures{normal});
  }
  void ReleasePictures() override { ++releases; }
  void CopyToWindow(Surface from, Rect source, Point to) override {
    copies_.push_back(Copy{from, source, std::nullopt, to});
  }
  void CopyToSurface(Surface from, Rect source, Surface into, Point to) override {
    copies_.push_back(Copy{from, source, into, to});
  }

  std::vector<Copy> WindowCopies() const { return CopiesInto(std::nullopt); }
  std::vector<Copy> CopiesInto(std::optional<Surface> surface) const {
    std::vector<Copy> found;
    for (const auto& c : copies_)
      if (c.into == surface) found.push_back(c);
    return found;
  }
  void ClearCopies() { copies_.clear(); }

  std::vector<LoadedPictures> loads;
  int releases = 0;

 private:
  std::vector<Copy> copies_;
};

}  // namespace tv::fakes
