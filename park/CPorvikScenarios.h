#pragma once
// The scenario list: the goals a scenario game sets, read from the scenarios
// description. The main object owns one; the world-loading sequence makes it.
#include <cstdint>

class CPorvikScenarios {
 public:
  // The current scenario's index when none runs.
  static constexpr int32_t kNoScenario = -1;

  CPorvikScenarios() = default;
  ~CPorvikScenarios() = default;
  CPorvikScenarios(const CPorvikScenarios&) = delete;
  CPorvikScenarios& operator=(const CPorvikScenarios&) = delete;

  int32_t currentScenario = kNoScenario;
  // 1: the scenario's goal is to find characters.
  int32_t kind = 0;
};
