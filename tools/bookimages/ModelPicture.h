#pragma once
// A picture of a model for the build book: the model's parts seen from
// above at an angle in a parallel projection, lit by the afternoon sun and
// standing on a patch of lawn under a light sky, drawn into an ARGB image.
#include <cstdint>
#include <vector>

#include "tools/modelwriter/ParkShapes.h"

namespace bookimages {

// One part to draw: its triangles (three vertices each), where it stands
// in the object and the texture that colours it.
struct PicturePart {
  const parkshapes::Triangles* triangles = nullptr;
  parkshapes::Vec3 offset;
  const parkshapes::Painter* paint = nullptr;
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // ARGB, row by row
};

// The parts fill the picture with a margin; a model without triangles
// gives the background alone.
Image DrawModelPicture(const std::vector<PicturePart>& parts, int width, int height);

}  // namespace bookimages
