#pragma once
// What the character manager and its visitors see of the main object: the
// base directory and the texts, the park clock, the land under the people,
// the placed objects, the food catalogue's toppings and the camera. Made
// with the main object and installed for the manager while it lives.
#include <vector>

#include "characters/CPorvikAiClassHost.h"

class VAvazadOvurUrovi;

class CMainObjectAiHost : public CPorvikAiClassHost {
 public:
  explicit CMainObjectAiHost(VAvazadOvurUrovi& game);
  ~CMainObjectAiHost() override;
  CMainObjectAiHost(const CMainObjectAiHost&) = delete;
  CMainObjectAiHost& operator=(const CMainObjectAiHost&) = delete;

  EngineString GetBaseFolder() const override;
  CharacterTexts& GetTexts() override;
  int32_t GetParkHour() const override;
  int32_t GetGameMonth() const override;
  bool IsRaining() const override;
  float GetTerrainHeight(float x, float z) const override;
  bool IsPathCellAt(const plat::Vec3& point) const override;
  bool IsCellLittered(int32_t i, int32_t j) const override;
  void DropLitterAt(const plat::Vec3& point) override;
  void DropLitterInCell(int32_t i, int32_t j) override;
  CAttraction* FindObjectByName(const EngineString& name, plat::Vec3* entrance) override;
  std::vector<std::vector<Topping>> GetToppingTypes() const override;
  plat::Vec3 GetCameraPosition() const override;
  int32_t GetFollowedCharacterId() const override;
  bool IsFollowSuppressed() const override;
  void SetFollowView(const plat::Vec3& eye, const plat::Vec3& direction, const plat::Vec3& up) override;

  // The character the camera follows (-1 for none); the mouse handler sets it.
  int32_t followedCharacterId = -1;

 private:
  VAvazadOvurUrovi& m_game;
};
