#pragma once
// The park's people: one figure per kind of visitor, park character and
// staff member, each with its build (height, girth, head, clothes, hair and
// headwear) and its outfits. A figure's texture is eight colour bands; kinds
// that change hair colour per visitor carry the hair in a second material.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/figuregen/FigureWriter.h"

namespace figuregen {

enum class Bottom { Trousers, Capri, Skirt, Dress, Overall, Robe };
enum class Hair { None, Short, Long, Bun, Ponytail, Pigtails, Bob };
enum class Headwear { None, StrawHat, Helmet, Cap, TopHat, PointedHat, Ears, JesterHat };

struct Build {
  float height;  // metres, feet to crown
  float girth;   // width relative to an average adult
  float head;    // head size relative to an adult's
  Bottom bottom;
  Hair hair;
  Headwear headwear;
  float walkSeconds;  // one stride cycle
  bool hairMaterial;  // hair in a second material with its own texture
};

// The colours of one outfit, 0xAARRGGBB.
struct Outfit {
  std::uint32_t skin, top, bottom, hair, shoes, accent;
};

// A file name pattern with one %.2d for the variant number, or a fixed name
// (count 0) that every variant shares.
struct TextureSet {
  std::string pattern;
  int count;
};

struct PersonKind {
  std::string model;          // below the park: characters\<folder>\<file>
  std::string textureFolder;  // below the park, empty for kinds without variants
  TextureSet body, hair;      // hair.pattern empty: no hair texture
  Build build;
  int palette;  // which colour palette its variants draw from
};

// The visitor kinds 0 to 13 in kind order.
const std::vector<PersonKind>& PersonKinds();

// The park characters and the staff: one outfit each, their texture in the
// characters folder's textures folder.
struct FixedPerson {
  std::string model;    // below the park
  std::string texture;  // file name in characters\textures
  Build build;
  Outfit outfit;
};
const std::vector<FixedPerson>& ParkPeople();

Figure PersonFigure(const Build& build, const std::vector<std::string>& textures);
// The outfit of variant n (1..) of a kind; the same numbers give the same
// colours.
Outfit VariantOutfit(const PersonKind& kind, int variant);

// Eight bands of 32x32 pixels, top to bottom, and a hair texture.
std::vector<std::uint32_t> BodyPixels(const Outfit& outfit, int size);
std::vector<std::uint32_t> HairPixels(std::uint32_t hair, int size);

}  // namespace figuregen
