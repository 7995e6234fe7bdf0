// The simulation half of every frame, the game speed and the money.
#include <cstdint>
#include <limits>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "engine/core/Globals.h"
#include "engine/particles/ParticleEffects.h"
#include "engine/particles/ZOdevuvParticleManager.h"

namespace {

// The first frames after a start or a scene load move no character: the
// frame counter counts them and then stays.
constexpr int32_t kSettlingFrames = 11;

}  // namespace

void VAvazadOvurUrovi::UpdateFrame(double elapsedSeconds) {
  if (!resourcesReady || simulationHalted) return;
  UpdateLayers();
  placedObjects.RemoveDeletedAttraction();
  double seconds = elapsedSeconds;
  if (frameCounter < kSettlingFrames) {
    ++frameCounter;
  } else {
    seconds *= double(gameSpeed);
    if (CharactersMayMove()) GetAiManager()->UpdateAll(seconds);
  }
  if (ParticlesMayMove()) UpdateParticles(float(seconds));
  UpdatePlacedObjects(float(seconds));
}

bool VAvazadOvurUrovi::CharactersMayMove() const {
  return !inGameVideoPlaying && !sceneLoading && GetAiManager() != nullptr;
}

bool VAvazadOvurUrovi::ParticlesMayMove() const {
  return !inGameVideoPlaying && !sceneLoading && !loadingScreenActive && particlesEnabled;
}

void VAvazadOvurUrovi::UpdateParticles(float seconds) {
  if (g_particleManager) g_particleManager->UpdateAll(seconds);
  if (particleEffects) particleEffects->Update(seconds);
}

void VAvazadOvurUrovi::AddCash(int32_t amount) {
  // Held to the int32 range: a huge booking never wraps a fortune into a debt.
  const int64_t sum = int64_t(cash) + int64_t(amount);
  if (sum > std::numeric_limits<int32_t>::max()) cash = std::numeric_limits<int32_t>::max();
  else if (sum < std::numeric_limits<int32_t>::min()) cash = std::numeric_limits<int32_t>::min();
  else cash = int32_t(sum);
}

bool VAvazadOvurUrovi::CanAfford(int32_t price) const { return int64_t(cash) - int64_t(price) >= 0; }
