#pragma once
// The scenario catalogue: every scenario of the game in the order of the
// scenarios file "\Scenes\scenarios\scenarios_NL.xml", the index of the one
// being played, and each one's result. The main object owns one; the world
// loading fills it, a saved scenario game keeps it whole in its ".pas" file.
//
// A scenario's index is its position in the list. Every reader and writer
// takes an index and answers for a valid one only: another reads as the
// empty string or 0 and writes nothing.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "park/scenarios/ScenarioRecord.h"

class SceneStream;
class XmlNode;

class CPorvikScenarios {
 public:
  // The current index when no scenario was started.
  static constexpr int32_t kNoScenario = -1;
  // The most scenarios a catalogue holds, from the file or a saved game.
  static constexpr int32_t kMaxScenarios = 1000;

  CPorvikScenarios() = default;
  ~CPorvikScenarios();
  CPorvikScenarios(const CPorvikScenarios&) = delete;
  CPorvikScenarios& operator=(const CPorvikScenarios&) = delete;

  // Appends the scenarios of the file (it does not empty the list first).
  // The file must parse: a broken one is reported and ends the game, as
  // every data file does.
  void LoadDescriptorFile(EngineString path);
  // Appends the scenarios under a parsed root "ScenarioDescriptor". A
  // missing element or attribute reads as the empty string or 0; texts are
  // held to what a saved game's strings hold, so that every catalogue can be
  // saved and read back.
  void LoadFromNode(const XmlNode& root);
  // Deletes every scenario; no scenario is current.
  void Clear();

  // -1, or an index of the list; any other index leaves current as it is.
  void SetCurrent(int32_t index);
  int32_t Count() const { return static_cast<int32_t>(records.size()); }
  bool IsValidIndex(int32_t index) const { return index >= 0 && index < Count(); }
  // The scenario at the index, or null.
  const ScenarioRecord* GetRecord(int32_t index) const;

  EngineString GetName(int32_t index) const;
  EngineString GetDescription(int32_t index) const;
  EngineString GetGoalType(int32_t index) const;
  EngineString GetBuildingName(int32_t index) const;
  EngineString GetRewardText(int32_t index) const;
  EngineString GetNoRewardText(int32_t index) const;
  EngineString GetScenarioMap(int32_t index) const;
  EngineString GetScenarioMapLow(int32_t index) const;
  int32_t GetTimeLimit(int32_t index) const;
  int32_t GetStartingCost(int32_t index) const;
  // The scene file the scenario is played on: ScenarioMap with the
  // high-resolution setting on, else scenarioMapLow; empty for an invalid
  // index or a name that would leave the scenes folder (empty, rooted, with
  // a drive or a ".." step).
  EngineString GetSceneName(int32_t index, bool highResolution) const;
  static bool IsSceneName(const EngineString& name);
  void SetFinished(int32_t index, bool finished);
  void SetSucceeded(int32_t index, bool succeeded);

  // The ".pas" block: the current index, the count, then every scenario's
  // fields in record order.
  void WriteState(SceneStream& out) const;
  // Replaces the catalogue by the block's. A block cut short or out of
  // range (a count or a text too long) leaves the catalogue as it was and
  // gives false; a current index outside the read list reads as -1.
  bool ReadState(SceneStream& in);

  std::vector<std::unique_ptr<ScenarioRecord>> records;
  int32_t current = kNoScenario;
};
