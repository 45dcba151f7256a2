#include "fakes/fake_graphics.h"

namespace tv::fakes {

void FakeGraphics::LoadPictures(const std::string& normal, const std::string& hover,
                                const std::string& pressed, const std::string& sprites) {
  loads.push_back(LoadedPictures{normal, hover, pressed, sprites});
}

void FakeGraphics::ReleasePictures() {
  ++releases;
}

void FakeGraphics::CopyToWindow(Surface from, Rect source, Point to) {
  copies.push_back(Copy{from, source, std::nullopt, to});
}

void FakeGraphics::CopyToSurface(Surface from, Rect source, Surface into, Point to) {
  copies.push_back(Copy{from, source, into, to});
}

std::vector<Copy> FakeGraphics::WindowCopies() const {
  std::vector<Copy> found;
  for (const auto& c : copies)
    if (c.ToWindow()) found.push_back(c);
  return found;
}

std::vector<Copy> FakeGraphics::CopiesInto(Surface surface) const {
  std::vector<Copy> found;
  for (const auto& c : copies)
    if (c.into == surface) found.push_back(c);
  return found;
}

}  // namespace tv::fakes
