#include "engine/render/ZOdevuvGameObject.h"

#include <algorithm>
#include <cmath>

#include "engine/core/Globals.h"
#include "engine/core/PtrVector.h"
#include "engine/render/ZOdevuv3DObject.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "engine/render/ZOdevuvModelReader.h"
#include "engine/render/ZOdevuvNodeTree.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"

using plat::Vec3;

namespace {

// Corner i takes x, y and z from the maximum where bits 0, 1 and 2 are set.
void FillCorners(const Vec3& min, const Vec3& max, Vec3* corners) {
  for (int i = 0; i < 8; ++i) {
    corners[i] = {(i & 1) ? max.x : min.x, (i & 2) ? max.y : min.y, (i & 4) ? max.z : min.z};
  }
}

}  // namespace

ZOdevuvGameObject::ZOdevuvGameObject() {
  plat::MatrixIdentity(&m_lastWorld);
  for (plat::Matrix& t : transforms) plat::MatrixIdentity(&t);
  FillCorners(m_boxMin, m_boxMax, m_corners);
}

ZOdevuvGameObject::~ZOdevuvGameObject() { DeInit(); }

void ZOdevuvGameObject::Init(EngineString name, EngineString modelFile, EngineString modelFolder,
                             ZOdevuvLightManager* lights) {
  m_name = name;
  m_modelFile = modelFile;
  m_modelFolder = modelFolder;
  // The line is formatted as the engine always did; the log keeps nothing.
  EngineString line;
  line.Format("[ZOdevuvGameObject::Init] Init : [%s] [%s] [%s]", m_name.CStr(), m_modelFile.CStr(),
              m_modelFolder.CStr());
  LoadModel(m_modelFile.CStr(), m_modelFolder.CStr(), lights);
}

void ZOdevuvGameObject::LoadModel(const char* modelFile, const char* modelFolder,
                                  ZOdevuvLightManager* lights) {
  ZOdevuvModelReader reader;
  if (g_assetPaths) g_assetPaths->SetModelPath(modelFolder);
  reader.ReadFile(modelFile, this, lights);
  for (const ZOdevuv3DObject* object : m_meshObjects) {
    if (object) m_totalFaces += object->GetFaceCount();
  }
  ComputeBounds();
}

void ZOdevuvGameObject::ComputeBounds() {
  Vec3 min{kEmptyBoxExtent, kEmptyBoxExtent, kEmptyBoxExtent};
  Vec3 max{-kEmptyBoxExtent, -kEmptyBoxExtent, -kEmptyBoxExtent};
  for (const ZOdevuv3DObject* object : m_meshObjects) {
    if (!object) continue;
    Vec3 objectMin, objectMax;
    object->GetBoxMin(&objectMin);
    object->GetBoxMax(&objectMax);
    min = plat::Vec3Minimize(min, objectMin);
    max = plat::Vec3Maximize(max, objectMax);
  }
  m_boxMin = min;
  m_boxMax = max;
  FillCorners(min, max, m_corners);
}

void ZOdevuvGameObject::DeInit() {
  if (!keepMeshes) {
    for (ZOdevuv3DObject* object : m_meshObjects) delete object;
  }
  m_meshObjects.clear();
  for (ZOdevuvNodeTree* tree : m_nodeTrees) delete tree;
  m_nodeTrees.clear();
}

void ZOdevuvGameObject::TransformBox(const ZOdevuv3DObject& object, const plat::Matrix& g) {
  const Vec3* corners = object.GetBoxCorners();
  Vec3 min{HUGE_VALF, HUGE_VALF, HUGE_VALF}, max{-HUGE_VALF, -HUGE_VALF, -HUGE_VALF};
  for (int i = 0; i < 8; ++i) {
    Vec3 p;
    plat::Vec3TransformCoord(&p, corners[i], g);
    min = plat::Vec3Minimize(min, p);
    max = plat::Vec3Maximize(max, p);
  }
  m_boxMin = min;
  m_boxMax = max;
}

void ZOdevuvGameObject::Render(float /*time*/, int32_t pass) {
  plat::Device* device = EngineDevice();
  if (!device) return;
  const plat::Matrix kept = device->GetTransform(plat::TransformType::World);
  for (ZOdevuv3DObject* object : m_meshObjects) {
    if (!object || HasNodeName(object->GetName())) continue;
    object->renderPass = pass;
    object->simpleFlag = simpleFlag;
    const plat::Matrix g = transforms[0] * transforms[1] * transforms[2] * kept;
    device->SetTransform(plat::TransformType::World, g);
    if (drawBoxes) object->DrawBoundingBox();
    const plat::Matrix w = object->worldMatrix * transforms[0] * transforms[1] * transforms[2] * kept;
    device->SetTransform(plat::TransformType::World, w);
    m_lastWorld = w;
    if (transformBox) TransformBox(*object, g);
    object->ownerFlag = ownerByte;
    if (!frustumTest) {
      object->Render();
    } else if (!g_frustum || g_frustum->IsBoxVisible(m_boxMin, m_boxMax) > 0) {
      object->Render();
      m_drawnFaces = m_totalFaces;
    } else {
      m_drawnFaces = 0;
    }
    device->SetTransform(plat::TransformType::World, kept);
  }
}

float ZOdevuvGameObject::GetBoundingRadius() const {
  const float dx = m_boxMax.x - m_boxMin.x, dy = m_boxMax.y - m_boxMin.y, dz = m_boxMax.z - m_boxMin.z;
  return std::sqrt(dx * dx + dy * dy + dz * dz) * 0.5f;
}

void ZOdevuvGameObject::GetBoxCorners(Vec3* out) const { std::copy(m_corners, m_corners + 8, out); }

bool ZOdevuvGameObject::HasNodeName(EngineString name) const {
  return std::any_of(nodeNames.begin(), nodeNames.end(),
                     [&](const EngineString& n) { return n == name; });
}

void ZOdevuvGameObject::AddNodeTree(ZOdevuvNodeTree* tree) { PtrVectorPushBack(m_nodeTrees, tree); }

void ZOdevuvGameObject::AddMeshObject(ZOdevuv3DObject* object) {
  PtrVectorPushBack(m_meshObjects, object);
}
