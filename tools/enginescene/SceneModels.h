#pragma once
// The scene's static models as engine game objects, kept in the engine's
// game-object list (which owns them) and drawn part by part: the ordinary
// pass first, then the alpha-blended one for leaves and other cut-outs.
#include <string>
#include <vector>

#include "tools/enginescene/SceneDescription.h"

class ZOdevuvGameObject;

class SceneModels {
 public:
  // Loads every model of the description whose file exists; the others are
  // returned as "part: file" lines. Needs the game-object list.
  std::vector<std::string> Load(const std::vector<SceneModel>& models);

  // The parts in the order they were first named.
  const std::vector<std::string>& Parts() const { return m_parts; }
  // Draws the objects of one part in both passes.
  void DrawPart(const std::string& part) const;

 private:
  struct Placed {
    std::string part;
    ZOdevuvGameObject* object;  // owned by the game-object list
  };

  std::vector<Placed> m_objects;
  std::vector<std::string> m_parts;
};
