#pragma once
// One entry of the build book: what the player may buy (the object type it
// builds, its name, price and capacity), the picture the page shows and the
// build level from which it may be bought. A plain value: copies share the
// picture, which the book owns.
#include <cstdint>

#include "engine/core/EngineString.h"

class ZOdevuvTexture;

struct BookItem {
  // Kept with the entry; the book does not consult it.
  uint8_t animated = 0;
  // The first line of the entry's text on the page.
  EngineString objectName;
  // The object type to build, and the id of the placed objects of that type.
  EngineString geometryName;
  int32_t price = 0;
  // 0 or less shows no capacity.
  int32_t capacity = 0;
  // The last line of the entry's text; always empty in the book.
  EngineString description;
  // The entry's "ShortDesc" text, kept for the upgrade screen so that it
  // never reads the book file again during play; the page does not show it.
  EngineString shortDescription;
  // The picture's file name, extension included.
  EngineString imageName;
  // Kept with the entry; the book does not consult it.
  uint8_t enabled = 0;
  // The build level from which the entry may be bought.
  int32_t grLevel = 0;
  // Kept with the entry; the book does not consult it.
  int32_t clLevel = 0;
  // Borrowed from the book, which loads and releases it; null when none.
  ZOdevuvTexture* picture = nullptr;
  // Set on a page slot's copy when an object of this type stands in the park.
  uint8_t built = 0;
};
