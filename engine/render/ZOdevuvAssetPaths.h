#pragma once
// The asset registry singleton (texture entries and search folders). Only
// its place among the engine singletons exists so far.
class ZOdevuvAssetPaths {
 public:
  ZOdevuvAssetPaths();
  ~ZOdevuvAssetPaths();
  ZOdevuvAssetPaths(const ZOdevuvAssetPaths&) = delete;
  ZOdevuvAssetPaths& operator=(const ZOdevuvAssetPaths&) = delete;
};
