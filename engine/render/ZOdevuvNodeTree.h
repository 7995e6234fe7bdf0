#pragma once
// The holder of one node tree inside a game object.
#include <memory>

#include "engine/core/EngineString.h"
#include "engine/render/ZOdevuvNode.h"

class ZOdevuvNodeTree {
 public:
  ZOdevuvNodeTree() = default;
  ZOdevuvNodeTree(const ZOdevuvNodeTree&) = delete;
  ZOdevuvNodeTree& operator=(const ZOdevuvNodeTree&) = delete;

  std::unique_ptr<ZOdevuvNode> root;
  EngineString name;
};
