#pragma once
// The skin's four off-screen pictures and the copies of rectangles between them and onto the
// panel window. LCD drawing writes into the normal picture so that later paints keep it.

#include <string>

#include "platform/geometry.h"

namespace tv {

enum class Surface { Normal, Hover, Pressed, Sprites };

class SkinGraphics {
 public:
  virtual ~SkinGraphics() = default;
  // Loads the four picture files (a missing file leaves that surface without a picture) and
  // replaces the previous pictures and surfaces.
  virtual void LoadPictures(const std::string& normal, const std::string& hover,
                            const std::string& pressed, const std::string& sprites) = 0;
  virtual void ReleasePictures() = 0;
  // Copies source from a surface to the panel window at `to` (window coordinates).
  virtual void CopyToWindow(Surface from, Rect source, Point to) = 0;
  // Copies source from one surface into another at `to`.
  virtual void CopyToSurface(Surface from, Rect source, Surface into, Point to) = 0;
};

}  // namespace tv
