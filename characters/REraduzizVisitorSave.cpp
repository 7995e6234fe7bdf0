// A character's record of the run-state file: its flags, attributes, mood,
// thoughts, activity, the objects it heads for (by name), its cells, points
// and countdown timers. The record's order is the file's; a reader that has
// no character for a record reads it into a stand-in and drops it.
#include "characters/REraduzizVisitor.h"
#include "engine/core/SceneStream.h"
#include "park/objects/CAttraction.h"
#include "world/objects/PlacedObjectLookup.h"

namespace {

// The countdown timers the record keeps, in file order (the last two are
// drawn anew at spawn and not kept).
constexpr int32_t kSavedTimers[] = {1, 4, 5, 6, 7, 8, 9, 2, 3};
// The first pair of the timer row holds the cell walk's previous cell.
constexpr std::size_t kPreviousCellPair = 0;
constexpr std::size_t kCommittedFlag = 0;

EngineString NameOf(const CAttraction* object) { return object ? object->id : EngineString(); }

CAttraction* ObjectNamed(const std::vector<CAttraction*>& objects, const EngineString& name) {
  return name.Length() == 0 ? nullptr : FindObjectByName(objects, name);
}

void WriteAttributes(SceneStream& stream, const CAttributes& attributes) {
  for (int16_t value : {attributes.GetValue4(), attributes.GetValue2(), attributes.GetValue3(), attributes.GetValue1()}) {
    stream.WriteInt32(value);
  }
}

}  // namespace

void REraduzizVisitor::WriteRecord(SceneStream& stream) const {
  for (uint8_t flag : {m_flags[kRoamingFlag], m_walking, m_standing, uint8_t(m_visible == 1 ? 1 : 0),
                       m_flags[kCommittedFlag], m_rideExitPending}) {
    stream.WriteBool(flag != 0);
  }
  WriteAttributes(stream, *m_initialAttributes);
  WriteAttributes(stream, *m_attributes);
  stream.WriteInt32(m_attributes->GetBand());
  stream.WriteInt32(m_attributes->GetHighThreshold());
  stream.WriteInt32(m_attributes->GetLowThreshold());
  stream.WriteInt32(m_visitorValue);
  for (int32_t value : {int32_t(m_age), int32_t(m_spawnWord), int32_t(m_money), int32_t(int16_t(m_moodAtEntry)),
                        int32_t(int16_t(m_firstMoodAtEntry))}) {
    stream.WriteInt32(value);
  }
  for (const std::vector<ThoughtRecord>& list : m_thoughtLists) {
    stream.WriteInt32(int32_t(list.size()));
    for (const ThoughtRecord& record : list) {
      stream.WriteInt32(record.category);
      stream.WriteInt32(record.sentence);
      stream.WriteString(record.first);
      stream.WriteString(record.second);
    }
  }
  for (uint8_t flag : {m_finished, m_rainNoted, m_litter, m_counted}) stream.WriteBool(flag != 0);
  for (int32_t value : {m_activityMode, m_activityState, m_savedWalkingState, m_choiceCounters[0], m_choiceCounters[1],
                        m_arrivalCode, m_wishedAttraction, m_thoughtCategory, m_thoughtSentence}) {
    stream.WriteInt32(value);
  }
  for (const EngineString* text : {&m_thoughtSubject1, &m_thoughtSubject2, &m_soughtObject1, &m_soughtObject2}) {
    stream.WriteString(*text);
  }
  stream.WriteString(NameOf(m_targetAttraction));
  stream.WriteString(NameOf(m_savedAttraction));
  for (const ActivityRecord& record : m_activityRecords) {
    stream.WriteInt32(record.firstId);
    stream.WriteInt32(record.secondId);
    stream.WriteString(record.firstText);
    stream.WriteString(record.secondText);
  }
  stream.WriteInt32(m_savedValues[1]);
  stream.WriteInt32(m_savedValues[0]);
  stream.WriteBool(m_pathFound != 0);
  stream.WriteInt32(m_timers[kPreviousCellPair].counter);
  stream.WriteInt32(m_timers[kPreviousCellPair].stamp);
  stream.WriteInt32(m_currentCell[0]);
  stream.WriteInt32(m_currentCell[1]);
  for (const plat::Vec3* point : {&m_destination, &m_target, &m_patrolPoint, &m_exitPosition}) {
    stream.WriteVec3(*point);
  }
  stream.WriteInt32(m_ridePointIndex);
  stream.WriteInt32(m_ridePathNumber);
  stream.WriteBool(m_inRide != 0);
  stream.WriteInt32(m_leaveHour);
  stream.WriteInt32(m_spawnValue);
  for (int32_t counter : m_activityCounters) stream.WriteInt32(counter);
  for (int32_t timer : kSavedTimers) {
    stream.WriteInt32(m_timers[std::size_t(timer)].stamp);
    stream.WriteInt32(m_timers[std::size_t(timer)].counter);
  }
}

bool REraduzizVisitor::ReadRecord(SceneStream& stream, const std::vector<CAttraction*>& placedObjects) {
  for (uint8_t* flag : {&m_flags[kRoamingFlag], &m_walking, &m_standing, &m_visible, &m_flags[kCommittedFlag],
                        &m_rideExitPending}) {
    *flag = stream.ReadBool() ? 1 : 0;
  }
  int16_t initial[4];
  for (int16_t& value : initial) value = int16_t(stream.ReadInt32());
  m_initialAttributes->SetAll(initial[3], initial[1], initial[2], initial[0]);
  m_attributes->SetValue4(int16_t(stream.ReadInt32()));
  m_attributes->SetValue2(int16_t(stream.ReadInt32()));
  m_attributes->SetValue3(int16_t(stream.ReadInt32()));
  m_attributes->SetValue1(int16_t(stream.ReadInt32()));
  // The band follows from the values only at the manager's next pass: a
  // game saved before it would lose the band.
  const int16_t band = int16_t(stream.ReadInt32());
  m_attributes->SetHighThreshold(int16_t(stream.ReadInt32()));
  m_attributes->SetLowThreshold(int16_t(stream.ReadInt32()));
  m_attributes->SetBand(band);
  m_visitorValue = stream.ReadInt32();
  for (uint16_t* value : {&m_age, &m_spawnWord, &m_money, &m_moodAtEntry, &m_firstMoodAtEntry}) {
    *value = uint16_t(stream.ReadInt32());
  }
  for (std::vector<ThoughtRecord>& list : m_thoughtLists) {
    const int32_t count = stream.ReadCount(kMaxSavedThoughts);
    for (int32_t i = 0; i < count && stream.Good(); ++i) {
      ThoughtRecord record;
      record.category = stream.ReadInt32();
      record.sentence = stream.ReadInt32();
      record.first = stream.ReadString();
      record.second = stream.ReadString();
      if (stream.Good()) list.push_back(record);
    }
  }
  for (uint8_t* flag : {&m_finished, &m_rainNoted, &m_litter, &m_counted}) *flag = stream.ReadBool() ? 1 : 0;
  for (int32_t* value : {&m_activityMode, &m_activityState, &m_savedWalkingState, &m_choiceCounters[0],
                         &m_choiceCounters[1], &m_arrivalCode, &m_wishedAttraction, &m_thoughtCategory,
                         &m_thoughtSentence}) {
    *value = stream.ReadInt32();
  }
  for (EngineString* text : {&m_thoughtSubject1, &m_thoughtSubject2, &m_soughtObject1, &m_soughtObject2}) {
    *text = stream.ReadString();
  }
  m_targetAttraction = ObjectNamed(placedObjects, stream.ReadString());
  m_savedAttraction = ObjectNamed(placedObjects, stream.ReadString());
  for (ActivityRecord& record : m_activityRecords) {
    record.firstId = stream.ReadInt32();
    record.secondId = stream.ReadInt32();
    record.firstText = stream.ReadString();
    record.secondText = stream.ReadString();
  }
  m_savedValues[1] = stream.ReadInt32();
  m_savedValues[0] = stream.ReadInt32();
  m_pathFound = stream.ReadBool() ? 1 : 0;
  m_timers[kPreviousCellPair].counter = stream.ReadInt32();
  m_timers[kPreviousCellPair].stamp = stream.ReadInt32();
  m_currentCell[0] = stream.ReadInt32();
  m_currentCell[1] = stream.ReadInt32();
  for (plat::Vec3* point : {&m_destination, &m_target, &m_patrolPoint, &m_exitPosition}) *point = stream.ReadVec3();
  m_ridePointIndex = stream.ReadInt32();
  m_ridePathNumber = stream.ReadInt32();
  m_inRide = stream.ReadBool() ? 1 : 0;
  m_leaveHour = stream.ReadInt32();
  m_spawnValue = stream.ReadInt32();
  for (int32_t& counter : m_activityCounters) counter = stream.ReadInt32();
  for (int32_t timer : kSavedTimers) {
    m_timers[std::size_t(timer)].stamp = stream.ReadInt32();
    m_timers[std::size_t(timer)].counter = stream.ReadInt32();
  }
  return stream.Good();
}
