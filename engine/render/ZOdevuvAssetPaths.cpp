#include "engine/render/ZOdevuvAssetPaths.h"

#include "engine/core/Globals.h"

ZOdevuvAssetPaths::ZOdevuvAssetPaths() { g_assetPaths = this; }

ZOdevuvAssetPaths::~ZOdevuvAssetPaths() {
  if (g_assetPaths == this) g_assetPaths = nullptr;
}
