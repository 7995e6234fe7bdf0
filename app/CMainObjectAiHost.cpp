#include "app/CMainObjectAiHost.h"

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "park/foods/CFoodCatalog.h"
#include "park/objects/CAttraction.h"
#include "world/CHeightMapHandlerClass.h"

CMainObjectAiHost::CMainObjectAiHost(VAvazadOvurUrovi& game) : m_game(game) { Install(this); }

CMainObjectAiHost::~CMainObjectAiHost() {
  if (Get() == this) Install(nullptr);
}

EngineString CMainObjectAiHost::GetBaseFolder() const { return m_game.baseDirectory; }

CharacterTexts& CMainObjectAiHost::GetTexts() { return m_game.characterTexts; }

int32_t CMainObjectAiHost::GetParkHour() const { return m_game.gameHour; }

int32_t CMainObjectAiHost::GetGameMonth() const { return m_game.gameDate.month; }

bool CMainObjectAiHost::IsRaining() const { return m_game.IsRaining(); }

float CMainObjectAiHost::GetTerrainHeight(float x, float z) const {
  return m_game.terrain ? m_game.terrain->GetHeight({x, 0.0f, z}) : 0.0f;
}

bool CMainObjectAiHost::IsPathCellAt(const plat::Vec3& point) const {
  int32_t i = 0, j = 0;
  return m_game.terrain && CHeightMapHandlerClass::WorldToCell(point.x, point.y, point.z, i, j) &&
         m_game.terrain->IsPathCell(i, j);
}

bool CMainObjectAiHost::IsCellLittered(int32_t i, int32_t j) const {
  return m_game.terrain && m_game.terrain->IsCellLittered(i, j);
}

void CMainObjectAiHost::DropLitterAt(const plat::Vec3& point) {
  if (m_game.terrain) m_game.terrain->DropLitterAt(point.x, point.y, point.z);
}

void CMainObjectAiHost::DropLitterInCell(int32_t i, int32_t j) {
  if (m_game.terrain) m_game.terrain->DropLitterInCell(i, j);
}

CAttraction* CMainObjectAiHost::FindObjectByName(const EngineString& name, plat::Vec3* entrance) {
  CAttraction* object = m_game.FindObjectByName(name);
  // Visitors queue at the gate, which lies on a footpath; the middle of a
  // building stands on no footpath, so no path leads there.
  if (object && entrance) *entrance = object->gatePosition;
  return object;
}

std::vector<std::vector<CPorvikAiClassHost::Topping>> CMainObjectAiHost::GetToppingTypes() const {
  std::vector<std::vector<Topping>> types;
  if (!m_game.foodCatalog) return types;
  for (const auto& type : m_game.foodCatalog->toppingTypes) {
    std::vector<Topping>& toppings = types.emplace_back();
    for (const auto& topping : type->toppings) toppings.push_back({topping->id, topping->name});
  }
  return types;
}

plat::Vec3 CMainObjectAiHost::GetCameraPosition() const {
  plat::Vec3 position{};
  if (g_camera) g_camera->GetPosition(&position);
  return position;
}

int32_t CMainObjectAiHost::GetFollowedCharacterId() const { return followedCharacterId; }

bool CMainObjectAiHost::IsFollowSuppressed() const { return m_game.inGameVideoPlaying != 0; }

void CMainObjectAiHost::SetFollowView(const plat::Vec3& eye, const plat::Vec3& direction, const plat::Vec3& up) {
  if (!g_camera) return;
  g_camera->SetPosition(eye);
  g_camera->SetLook(direction);
  g_camera->SetUp(up);
}
