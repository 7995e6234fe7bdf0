#pragma once
// The main object as the in-game screens see it: its GUI manager, the flag
// bytes the screens set and obey, and the park figures of the status panel.
#include <cstdint>

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

 private:
  VAvazadOvurUrovi& m_game;
  ScreenFlags m_flags;
};
