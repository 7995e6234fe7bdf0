#include "park/objects/IAttractionHost.h"

IAttractionHost* g_attractionHost = nullptr;

int32_t IAttractionHost::GetParkHour() const { return 0; }
bool IAttractionHost::WorldToCell(const plat::Vec3&, int32_t*, int32_t*) const { return false; }
bool IAttractionHost::IsFootpathCell(int32_t, int32_t) const { return false; }
plat::Vec3 IAttractionHost::GetCellCentre(int32_t, int32_t) const { return {}; }

const plat::Matrix* IAttractionHost::GetSceneProjection() const { return nullptr; }

ZOdevuvCharacter* IAttractionHost::GetEntranceArrow() const { return nullptr; }

ZOdevuvCharacter* IAttractionHost::GetExitArrow() const { return nullptr; }

ParticleEffects* IAttractionHost::GetParticleEffects() const { return nullptr; }

void IAttractionHost::SetTrainFrontPosition(const plat::Vec3& /*position*/) {}

void IAttractionHost::SetTrainRearPosition(const plat::Vec3& /*position*/) {}

bool IAttractionHost::IsHoverPicking() const { return false; }

bool IAttractionHost::IsMouseOverObject(const CAttraction& /*object*/) const { return false; }

CAttraction* IAttractionHost::GetHoveredObject() const { return nullptr; }

void IAttractionHost::SetHoveredObject(CAttraction* /*object*/) {}
