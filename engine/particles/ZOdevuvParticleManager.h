#pragma once
// Owns every registered particle system, numbers them and updates and draws
// the active ones once per frame. Systems are registered from the loading
// thread while the window thread walks the list, so the list is guarded.
#include <mutex>
#include <vector>

class ZOdevuvParticleSystem;

class ZOdevuvParticleManager {
 public:
  ZOdevuvParticleManager();
  ~ZOdevuvParticleManager();
  ZOdevuvParticleManager(const ZOdevuvParticleManager&) = delete;
  ZOdevuvParticleManager& operator=(const ZOdevuvParticleManager&) = delete;

  // Takes ownership; a null system is ignored.
  void Add(ZOdevuvParticleSystem* system);
  // First system with the id; null for none and for negative ids.
  ZOdevuvParticleSystem* FindById(int id) const;
  void UpdateAll(float elapsedSeconds);
  void RenderAll();

  // The id the next initialised system receives; Add advances it.
  int NextId() const;
  int Count() const;

 private:
  mutable std::mutex mutex_;
  int count_ = 0;
  int nextId_ = 0;
  std::vector<ZOdevuvParticleSystem*> systems_;
};
