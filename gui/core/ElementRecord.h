#pragma once
// The per-element record: identity, absolute position and size, flags, the
// element's frame and background images, its state and its parent.
#include <cstdint>
#include <memory>

class CGuiElement;
class ZOdevuvTexture;

// Releases and deletes an element's texture.
struct GuiTextureDeleter {
  void operator()(ZOdevuvTexture* texture) const;
};
using GuiTexturePtr = std::unique_ptr<ZOdevuvTexture, GuiTextureDeleter>;

// Element states; widgets use further values as their image cell index.
enum ElementState : int32_t { kStateNormal = 0, kStateHover = 1, kStatePressed = 2 };

// The element type the base itself knows of.
constexpr int32_t kElementTypeButton = 7;

struct ElementRecord {
  int32_t type = 0;
  int32_t id = 0;
  int32_t x = 0;  // absolute screen position of the top-left corner
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint8_t enabled = 0;
  uint8_t visible = 0;
  // Show leaves the element (and its children) hidden: set by owners of
  // elements that only they may show, such as a drop-down's pop-up list.
  uint8_t lockedHidden = 0;
  uint8_t hasFrame = 0;
  int32_t frameThickness = 0;
  GuiTexturePtr frameTexture;
  GuiTexturePtr backgroundTexture;
  // 0: the background is stretched over the element; n > 0: it holds n
  // cells of the element's size side by side, and the state picks one.
  int32_t cellCount = 0;
  int32_t state = kStateNormal;
  CGuiElement* parent = nullptr;  // null for a layer root
};
