#include "park/scenarios/CPorvikScenarios.h"

#include <algorithm>
#include <string>
#include <type_traits>
#include <utility>

#include "engine/core/SceneStream.h"
#include "engine/core/XmlNode.h"

namespace {

constexpr const char* kRootTag = "ScenarioDescriptor";
constexpr const char* kValue = "value";

// A text is held to what the saved game's strings hold.
EngineString TextAttribute(const XmlNode& node, const char* name) {
  const char* text = node.GetAttribute(name);
  if (!text) return EngineString();
  return EngineString(std::string(text).substr(0, SceneStream::kMaxStringBytes).c_str());
}

// Decimal text as atoi reads it; an absent attribute reads as 0.
int32_t NumberAttribute(const XmlNode& node, const char* name) {
  const char* text = node.GetAttribute(name);
  return text ? EngineString(text).ToInt() : 0;
}

std::unique_ptr<ScenarioRecord> ReadScenario(const XmlNode& node) {
  auto record = std::make_unique<ScenarioRecord>();
  record->id = TextAttribute(node, "id");
  record->name = TextAttribute(node, "name");
  const XmlNode fields = node.GetChildNode("DataField");
  record->desc = TextAttribute(fields.GetChildNode("desc"), kValue);
  const XmlNode type = fields.GetChildNode("type");
  record->type = TextAttribute(type, kValue);
  record->buildingName = TextAttribute(type, "buildingName");
  record->time = NumberAttribute(fields.GetChildNode("time"), kValue);
  record->reward_type = NumberAttribute(fields.GetChildNode("reward_type"), kValue);
  const XmlNode reward = fields.GetChildNode("reward");
  record->reward = TextAttribute(reward, kValue);
  record->cost = NumberAttribute(reward, "cost");
  record->noreward = TextAttribute(fields.GetChildNode("noreward"), kValue);
  record->ScenarioMap = TextAttribute(fields.GetChildNode("ScenarioMap"), kValue);
  record->scenarioMapLow = TextAttribute(fields.GetChildNode("scenarioMapLow"), kValue);
  record->StartingCost = NumberAttribute(fields.GetChildNode("StartingCost"), kValue);
  return record;
}

void WriteScenario(SceneStream& out, const ScenarioRecord& record) {
  out.WriteString(record.name);
  out.WriteString(record.id);
  out.WriteString(record.desc);
  out.WriteString(record.type);
  out.WriteInt32(record.time);
  out.WriteInt32(record.reward_type);
  out.WriteString(record.reward);
  out.WriteString(record.noreward);
  out.WriteInt32(record.cost);
  out.WriteBool(record.finished);
  out.WriteBool(record.succeeded);
  out.WriteString(record.ScenarioMap);
  out.WriteString(record.scenarioMapLow);
  out.WriteInt32(record.StartingCost);
  out.WriteString(record.buildingName);
}

std::unique_ptr<ScenarioRecord> ReadSavedScenario(SceneStream& in) {
  auto record = std::make_unique<ScenarioRecord>();
  record->name = in.ReadString();
  record->id = in.ReadString();
  record->desc = in.ReadString();
  record->type = in.ReadString();
  record->time = in.ReadInt32();
  record->reward_type = in.ReadInt32();
  record->reward = in.ReadString();
  record->noreward = in.ReadString();
  record->cost = in.ReadInt32();
  record->finished = in.ReadBool();
  record->succeeded = in.ReadBool();
  record->ScenarioMap = in.ReadString();
  record->scenarioMapLow = in.ReadString();
  record->StartingCost = in.ReadInt32();
  record->buildingName = in.ReadString();
  return record;
}

// A field of the scenario at the index, or the field's empty value.
template <class Field>
auto FieldOf(const ScenarioRecord* record, Field field) -> std::remove_cvref_t<decltype(record->*field)> {
  if (!record) return {};
  return record->*field;
}

}  // namespace

CPorvikScenarios::~CPorvikScenarios() { Clear(); }

void CPorvikScenarios::LoadDescriptorFile(EngineString path) {
  LoadFromNode(XmlNode::OpenFileHelper(path.CStr(), kRootTag));
}

void CPorvikScenarios::LoadFromNode(const XmlNode& root) {
  const XmlNode dictionary = root.GetChildNode("DataDictionary");
  int index = 0;
  for (XmlNode node = dictionary.GetChildNode("Scenario", &index); !node.IsEmpty() && Count() < kMaxScenarios;
       node = dictionary.GetChildNode("Scenario", &index)) {
    records.push_back(ReadScenario(node));
  }
}

void CPorvikScenarios::Clear() {
  records.clear();
  current = kNoScenario;
}

void CPorvikScenarios::SetCurrent(int32_t index) {
  if (index == kNoScenario || IsValidIndex(index)) current = index;
}

const ScenarioRecord* CPorvikScenarios::GetRecord(int32_t index) const {
  return IsValidIndex(index) ? records[static_cast<size_t>(index)].get() : nullptr;
}

EngineString CPorvikScenarios::GetName(int32_t index) const { return FieldOf(GetRecord(index), &ScenarioRecord::name); }

EngineString CPorvikScenarios::GetDescription(int32_t index) const {
  return FieldOf(GetRecord(index), &ScenarioRecord::desc);
}

EngineString CPorvikScenarios::GetGoalType(int32_t index) const {
  return FieldOf(GetRecord(index), &ScenarioRecord::type);
}

EngineString CPorvikScenarios::GetBuildingName(int32_t index) const {
  return FieldOf(GetRecord(index), &ScenarioRecord::buildingName);
}

EngineString CPorvikScenarios::GetRewardText(int32_t index) const {
  return FieldOf(GetRecord(index), &ScenarioRecord::reward);
}

EngineString CPorvikScenarios::GetNoRewardText(int32_t index) const {
  return FieldOf(GetRecord(index), &ScenarioRecord::noreward);
}

EngineString CPorvikScenarios::GetScenarioMap(int32_t index) const {
  return FieldOf(GetRecord(index), &ScenarioRecord::ScenarioMap);
}

EngineString CPorvikScenarios::GetScenarioMapLow(int32_t index) const {
  return FieldOf(GetRecord(index), &ScenarioRecord::scenarioMapLow);
}

EngineString CPorvikScenarios::GetSceneName(int32_t index, bool highResolution) const {
  const EngineString name = highResolution ? GetScenarioMap(index) : GetScenarioMapLow(index);
  return IsSceneName(name) ? name : EngineString();
}

bool CPorvikScenarios::IsSceneName(const EngineString& name) {
  const std::string& text = name.Std();
  if (text.empty() || text.front() == '\\' || text.front() == '/' || text.find(':') != std::string::npos) return false;
  // Every step between separators; ".." climbs out of the folder.
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find_first_of("\\/", start), text.size());
    if (text.compare(start, end - start, "..") == 0) return false;
    start = end + 1;
  }
  return true;
}

int32_t CPorvikScenarios::GetTimeLimit(int32_t index) const {
  return FieldOf(GetRecord(index), &ScenarioRecord::time);
}

int32_t CPorvikScenarios::GetStartingCost(int32_t index) const {
  return FieldOf(GetRecord(index), &ScenarioRecord::StartingCost);
}

void CPorvikScenarios::SetFinished(int32_t index, bool finished) {
  if (IsValidIndex(index)) records[static_cast<size_t>(index)]->finished = finished;
}

void CPorvikScenarios::SetSucceeded(int32_t index, bool succeeded) {
  if (IsValidIndex(index)) records[static_cast<size_t>(index)]->succeeded = succeeded;
}

void CPorvikScenarios::WriteState(SceneStream& out) const {
  out.WriteInt32(current);
  out.WriteInt32(Count());
  for (const auto& record : records) WriteScenario(out, *record);
}

bool CPorvikScenarios::ReadState(SceneStream& in) {
  const int32_t savedCurrent = in.ReadInt32();
  const int32_t count = in.ReadCount(kMaxScenarios);
  std::vector<std::unique_ptr<ScenarioRecord>> read;
  for (int32_t i = 0; i < count && in.Good(); ++i) read.push_back(ReadSavedScenario(in));
  if (!in.Good()) return false;
  records = std::move(read);
  current = kNoScenario;
  SetCurrent(savedCurrent);
  return true;
}
