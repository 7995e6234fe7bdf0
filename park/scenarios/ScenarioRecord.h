#pragma once
// One scenario of the catalogue: what the scenario window shows, the goal
// the goal check tests, the park it is played on, and its result.
#include <cstdint>

#include "engine/core/EngineString.h"

struct ScenarioRecord {
  EngineString name;
  // Kept and saved; nothing else reads it.
  EngineString id;
  EngineString desc;
  // "Building", "VIPVisitors" or "Visitors".
  EngineString type;
  // The time limit in game months.
  int32_t time = 0;
  // Kept and saved; nothing else reads it.
  int32_t reward_type = 0;
  // Shown when the scenario is won, and when it is lost.
  EngineString reward;
  EngineString noreward;
  // Given with the reward; kept and saved.
  int32_t cost = 0;
  // The goal was decided, and it was won.
  bool finished = false;
  bool succeeded = false;
  // Scene files below "\Scenes\": with the high-resolution setting on, and
  // otherwise.
  EngineString ScenarioMap;
  EngineString scenarioMapLow;
  // The park's cash when the scenario starts.
  int32_t StartingCost = 0;
  // The placed object a "Building" goal asks for.
  EngineString buildingName;
};
