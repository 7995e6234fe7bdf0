#include "gui/core/ElementRecord.h"

#include "engine/render/ZOdevuvTexture.h"

void GuiTextureDeleter::operator()(ZOdevuvTexture* texture) const {
  texture->Release();
  delete texture;
}
