#include "engine/particles/ZOdevuvParticleManager.h"

#include "engine/core/Globals.h"
#include "engine/particles/ZOdevuvParticleSystem.h"

ZOdevuvParticleManager::ZOdevuvParticleManager() { g_particleManager = this; }

ZOdevuvParticleManager::~ZOdevuvParticleManager() {
  std::lock_guard<std::mutex> lock(mutex_);
  for (int i = 0; i < count_; ++i) {
    delete systems_[static_cast<size_t>(i)];
    systems_[static_cast<size_t>(i)] = nullptr;
  }
  systems_.clear();
  if (g_particleManager == this) g_particleManager = nullptr;
}

void ZOdevuvParticleManager::Add(ZOdevuvParticleSystem* system) {
  if (system == nullptr) return;
  std::lock_guard<std::mutex> lock(mutex_);
  systems_.push_back(system);
  ++count_;
  ++nextId_;
}

ZOdevuvParticleSystem* ZOdevuvParticleManager::FindById(int id) const {
  // Systems whose set-up failed carry no id; -1 asks for nothing.
  if (id < 0) return nullptr;
  std::lock_guard<std::mutex> lock(mutex_);
  for (ZOdevuvParticleSystem* system : systems_) {
    if (system->id == id) return system;
  }
  return nullptr;
}

void ZOdevuvParticleManager::UpdateAll(float elapsedSeconds) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (ZOdevuvParticleSystem* system : systems_) {
    if (system->active) system->Update(elapsedSeconds);
  }
}

void ZOdevuvParticleManager::RenderAll() {
  std::lock_guard<std::mutex> lock(mutex_);
  for (ZOdevuvParticleSystem* system : systems_) {
    if (system->active) system->Render();
  }
}

int ZOdevuvParticleManager::NextId() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return nextId_;
}

int ZOdevuvParticleManager::Count() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return count_;
}
