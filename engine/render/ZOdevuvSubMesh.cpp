#include "engine/render/ZOdevuvSubMesh.h"

#include "engine/core/Globals.h"
#include "engine/render/MeshVertex.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Effect.h"

ZOdevuvSubMesh::ZOdevuvSubMesh() {
  plat::Device* device = EngineDevice();
  if (device) declaration = device->CreateVertexDeclaration(MeshVertexElements());
  if (!g_device) return;
  mainEffect = g_device->GetEffect(effectName);
  bumpEffect = g_device->GetEffect("BumpRefl");
  standardEffect = g_device->GetEffect("Standard");
  specularEffect = g_device->GetEffect("SpecularMap");
  bumpDeclaration = g_device->GetVertexDeclaration("BumpRefl");
  treeEffect = g_device->GetEffect("Tree");
  if (!mainEffect) mainEffect = g_device->GetEffect("BaseEffects");
}

ZOdevuvSubMesh::~ZOdevuvSubMesh() { ReleaseSubMeshData(); }

void ZOdevuvSubMesh::ReleaseSubMeshData() {
  indexBuffer.reset();
  vertexBuffer.reset();
  materialRecord.reset();
  declaration.reset();
  effectName = "";
}

void ZOdevuvSubMesh::DrawSubMeshBuffer() {
  plat::Device* device = EngineDevice();
  if (!vertexBuffer || !device) return;
  device->SetStreamSource(0, vertexBuffer, 0, kMeshVertexStride);
  device->SetIndices(indexBuffer);
  device->DrawIndexedPrimitive(plat::PrimitiveType::TriangleList, 0, 0,
                               static_cast<uint32_t>(vertexCount), 0,
                               static_cast<uint32_t>(faceCount));
}
