#pragma once
// The main object as the build book sees it: its data folder, the running
// scenario and the park rating, the placed objects, the object-type
// catalogue and the placement template.
#include "screens/REraduzizBuildBookHost.h"

class VAvazadOvurUrovi;

class MainObjectBuildBookHost : public REraduzizBuildBookHost {
 public:
  // The game may still be under construction.
  explicit MainObjectBuildBookHost(VAvazadOvurUrovi& game) : m_game(game) {}

  EngineString GetBaseDirectory() const override;
  std::optional<int32_t> GetRunningScenario() const override;
  std::optional<int32_t> GetRatingBand() const override;
  bool IsBuilt(const EngineString& id) const override;
  std::optional<int32_t> FindObjectType(const EngineString& name) const override;
  bool SelectBuildItem(int32_t index, int32_t price) override;
  std::optional<EngineString> GetTemplateId() const override;
  bool PlaceTemplateAt(const plat::Vec3& position, float rotationDegrees) override;
  void ResetTemplate() override;
  uint8_t& PlacementAllowed() override;
  void RefreshStatusDisplay() override;
  void ShowMessage(const EngineString& text) override;

 private:
  VAvazadOvurUrovi& m_game;
};
