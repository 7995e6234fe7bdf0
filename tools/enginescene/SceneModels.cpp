#include "tools/enginescene/SceneModels.h"

#include <algorithm>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "engine/render/ZOdevuvGameObjectList.h"
#include "platform/math/Math.h"
#include "platform/os/Path.h"
#include "tools/enginescene/ScenePaths.h"

namespace {

constexpr float kDegreesToRadians = 3.14159265f / 180.0f;
constexpr int kOrdinaryPass = 0;
constexpr int kBlendedPass = 1;

void Place(ZOdevuvGameObject& object, const ScenePlacement& place) {
  plat::MatrixScaling(&object.transforms[0], place.scale, place.scale, place.scale);
  plat::MatrixRotationY(&object.transforms[1], place.turnDegrees * kDegreesToRadians);
  plat::MatrixTranslation(&object.transforms[2], place.position.x, place.position.y, place.position.z);
  object.transformBox = 1;
}

}  // namespace

std::vector<std::string> SceneModels::Load(const std::vector<SceneModel>& models) {
  std::vector<std::string> missing;
  if (!g_gameObjectList) return {"game-object list: none"};
  for (const SceneModel& model : models) {
    if (!plat::FileExists(model.file)) {
      missing.push_back(model.part + ": " + model.file);
      continue;
    }
    const std::string path = plat::ResolvePath(model.file);
    auto* object = new ZOdevuvGameObject();
    g_gameObjectList->objects.push_back(object);
    const std::string textures = FolderOf(path) + "/textures";
    // The scene has its own sun; lamps inside the models would add one light per copy.
    object->Init(model.part.c_str(), path.c_str(), textures.c_str(), nullptr);
    // The registry loads from the folder of the last model, so every model
    // loads its own batch before the next one moves the folder.
    if (g_assetPaths) g_assetPaths->LoadTextures();
    Place(*object, model.place);
    m_objects.push_back({model.part, object});
    if (std::find(m_parts.begin(), m_parts.end(), model.part) == m_parts.end()) m_parts.push_back(model.part);
  }
  return missing;
}

void SceneModels::DrawPart(const std::string& part) const {
  for (int pass : {kOrdinaryPass, kBlendedPass}) {
    for (const Placed& placed : m_objects) {
      if (placed.part == part) placed.object->Render(0, pass);
    }
  }
}
