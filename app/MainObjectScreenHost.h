#pragma once
// The main object as the in-game screens see it: its GUI manager, the flag
// bytes the screens set and obey, and the park figures of the status panel.
#include <cstdint>

#include "app/MainObjectBuildBookHost.h"
#include "screens/ScreenHost.h"

class VAvazadOvurUrovi;

class MainObjectScreenHost : public ScreenHost {
 public:
  // Keeps references to the game's bytes; the game may still be under
  // construction.
  explicit MainObjectScreenHost(VAvazadOvurUrovi& game);

  CGuiMainClass& Gui() override;
  ScreenFlags& Flags() override { return m_flags; }
  void HideGameScreens() override;
  int32_t GetCash() const override;
  int32_t& PointCounter() override;
  int32_t GetFirstParkPercentage() const override;
  int32_t GetSecondParkPercentage() const override;
  StatusDateTime GetGameClock() const override;
  bool HasCharacterManager() const override;
  int32_t GetVisitorCount() const override;
  ParticleEffects* GetParticleEffects() override;
  void ArmParkEvents(uint32_t startTick, int32_t eventTimer) override;
  REraduzizVisitor* FindCharacterById(int32_t id) override;
  ScreenSet* GetScreens() override;
  bool CanAfford(int32_t price) const override;
  void AddCash(int32_t amount) override;
  void BookLedgerKind(int32_t kind, int32_t subject, int32_t amount) override;
  const CLedgerTree* GetLedgerTree() const override;
  int32_t GetStartYear() const override;
  int32_t& TicketPrice() override;
  int32_t& GameSpeed() override;
  ParkMoodTotals GetMoodTotals() const override;
  bool ObjectExists(const EngineString& name) const override;
  void ArmManagementPagesClose() override;
  int32_t GetPlacementCount() const override;
  bool GetPlacement(int32_t index, EngineString* name, plat::Vec3* position) const override;
  bool CreateStaffMember(int32_t id, int32_t kind, const plat::Vec3& position) override;
  void DismissStaffMember(int32_t id) override;
  std::vector<PlacementRecord>& PlacedCharacters() override;
  const std::vector<CAttraction*>& GetAttractions() const override;
  EngineString GetBaseDirectory() const override;
  void RecordSpending(int32_t amount) override;
  void AddToManagerAttractions(CAttraction& attraction) override;
  CFoodCatalog* GetFoodCatalog() override;
  void ApplyTutorialSettings() override;
  REraduzizBuildBookHost* GetBuildBookHost() override { return &m_bookHost; }
  RenderSettings* GetRenderSettings() override { return &m_render; }
  bool IsParkInView() const override;
  bool SetGammaRamp(const GammaChannel& ramp) override;
  void SetWorldStopped(bool stopped) override;
  void ResetForLesson(bool tutorialScene) override;
  const CPorvikScenarios* GetScenarios() const override;
  bool StartScenario(int32_t index) override;
  int32_t GetFirstParkRating() const override;
  int32_t GetSecondParkRating() const override;
  const CharacterTexts* GetCharacterTexts() const override;

 private:
  VAvazadOvurUrovi& m_game;
  ScreenFlags m_flags;
  RenderSettings m_render;
  MainObjectBuildBookHost m_bookHost;
};
