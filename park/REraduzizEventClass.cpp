#include "park/REraduzizEventClass.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "engine/core/XmlNode.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/widgets/CGuiGrid.h"
#include "park/events/ParkEvent.h"
#include "platform/os/Clock.h"

namespace {

constexpr int32_t kStatusEventList = 10438;
constexpr int32_t kFizzwickList = 10397;
constexpr int32_t kFizzledaList = 10403;
constexpr int32_t kCleanerList = 10414;
constexpr int32_t kGardenerList = 10418;
constexpr int32_t kRepairList = 10422;
// The solver lists in the order their row counts are set.
constexpr int32_t kSolverLists[] = {kFizzledaList, kFizzwickList, kRepairList, kCleanerList, kGardenerList};
constexpr uint32_t kSolverHeaderStyle = 4;
constexpr int32_t kLiteralText = -1;
constexpr int32_t kNoRow = -1;

CGuiGrid* FindGrid(int32_t id) {
  if (g_guiMain == nullptr) return nullptr;
  return dynamic_cast<CGuiGrid*>(g_guiMain->FindElement(id));
}

void ClearRows(CGuiGrid& grid) {
  grid.ClearCells();
  grid.SetRowCount(0);
  grid.UpdateScrollRange(true);
}

void SetRows(CGuiGrid* grid, int32_t rows) {
  if (grid == nullptr) return;
  grid->SetRowCount(rows);
  grid->UpdateScrollRange(true);
  grid->SetSelectedRow(rows > 0 ? 0 : kNoRow, true);
}

void AddRow(CGuiGrid& grid, const ParkEvent& event, int32_t position, const EngineString& second, int32_t value) {
  grid.AddCell(0, kLiteralText, event.shortName, position, "");
  grid.AddCell(1, kLiteralText, second, value, "");
}

bool IsMascot(const EngineString& solution) { return solution == "FIZZWICK" || solution == "FIZZLEDA"; }
bool IsRepairer(const EngineString& solution) {
  return solution == "REPAIR" || solution == "ENGINEER" || solution == "ENGI";
}

// The value of the field's `value` attribute; null when the field or the
// attribute is missing, so that the field keeps its default.
const char* FieldText(const XmlNode& fields, const char* name) {
  return fields.GetChildNode(name).GetAttribute("value");
}

void ReadText(const XmlNode& fields, const char* name, EngineString& out) {
  if (const char* text = FieldText(fields, name)) out = text;
}

// Numbers as the C library's atoi reads them, but held to the int32 range.
void ReadNumber(const XmlNode& fields, const char* name, int32_t& out) {
  const char* text = FieldText(fields, name);
  if (text == nullptr) return;
  const long value = std::strtol(text, nullptr, 10);
  out = static_cast<int32_t>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

REraduzizEventClass::REraduzizEventClass() : createdTick(plat::TickCount()) { PrepareLists(); }

REraduzizEventClass::~REraduzizEventClass() = default;

void REraduzizEventClass::PrepareLists() {
  for (int32_t id : kSolverLists) {
    CGuiGrid* grid = FindGrid(id);
    if (grid == nullptr) continue;
    grid->ClearCells();
    grid->SetColumnHeader(0, "", kSolverHeaderStyle);
    grid->SetColumnHeader(1, "", kSolverHeaderStyle);
  }
  if (CGuiGrid* status = FindGrid(kStatusEventList)) ClearRows(*status);
}

void REraduzizEventClass::LoadXml(const EngineString& path, const Attacher& attach) {
  LoadFromNode(XmlNode::OpenFileHelper(path.CStr(), "EventDescriptor"), attach);
}

void REraduzizEventClass::LoadFromNode(const XmlNode& root, const Attacher& attach) {
  const XmlNode dictionary = root.GetChildNode("DataDictionary");
  const int count = dictionary.CountChildNodes("Event");
  for (int i = 0; i < count; ++i) {
    std::unique_ptr<ParkEvent> event = ReadEvent(dictionary.GetChildNodeAt("Event", i), i);
    const EngineString scope = event->scope;
    if (attach && attach(scope, *event)) m_events.push_back(std::move(event));
  }
}

std::unique_ptr<ParkEvent> REraduzizEventClass::ReadEvent(const XmlNode& element, int32_t index) {
  auto event = std::make_unique<ParkEvent>();
  if (const char* id = element.GetAttribute("id")) event->id = id;
  const XmlNode fields = element.GetChildNode("DataField");
  ReadNumber(fields, "Type", event->type);
  ReadText(fields, "ShortName", event->shortName);
  ReadText(fields, "Reason", event->reason);
  ReadText(fields, "ReasonOperator", event->reasonOperator);
  // "<" cannot stand unescaped in an attribute, so the file may spell it.
  if (event->reasonOperator == "less") event->reasonOperator = "<";
  ReadText(fields, "ReasonValue", event->reasonValue);
  ReadText(fields, "ReasonAdditionalAttrNeeded", event->reasonAdditionalAttrNeeded);
  ReadText(fields, "event", event->eventText);
  ReadText(fields, "Solution", event->solution);
  ReadText(fields, "Scope", event->scope);
  ReadNumber(fields, "Effect", event->effect);
  ReadText(fields, "SoundEffect", event->soundEffect);
  ReadText(fields, "SoundEffectName", event->soundEffectName);
  ReadText(fields, "BookImage", event->bookImage);
  ReadNumber(fields, "SolverDistance", event->solverDistance);
  ReadNumber(fields, "CameraDistance", event->cameraDistance);
  ReadNumber(fields, "CameraTallPosition", event->cameraTallPosition);
  ReadNumber(fields, "CameraOrientation", event->cameraOrientation);
  ReadNumber(fields, "AnimStopNeeded", event->animStopNeeded);
  ReadNumber(fields, "TwinkleForSolution", event->twinkleForSolution);
  event->index = index;
  event->SetCallback(&REraduzizEventClass::EventPopupCallback, this);
  return event;
}

void REraduzizEventClass::StartEvent(ParkEvent& event, CAttraction& owner) {
  event.owner = &owner;
  m_running.push_back(&event);
  if (runStarter) {
    runStarter(event, owner);
  } else if (event.callback != nullptr) {
    event.callback(event.callbackContext, &event);
  }
}

void REraduzizEventClass::EventPopupCallback(void* context, ParkEvent* event) {
  if (context == nullptr || event == nullptr) return;
  static_cast<REraduzizEventClass*>(context)->OpenEvent(*event);
}

void REraduzizEventClass::OpenEvent(ParkEvent& event) {
  const auto running = std::find(m_running.begin(), m_running.end(), &event);
  // A run that was cancelled meanwhile opens nothing.
  if (running == m_running.end()) return;
  m_running.erase(running);
  openEvents.push_back(&event);
  FillEventLists();
}

void REraduzizEventClass::FillEventLists() {
  CGuiGrid* status = FindGrid(kStatusEventList);
  if (status == nullptr) return;
  CGuiGrid* fizzleda = FindGrid(kFizzledaList);
  CGuiGrid* fizzwick = FindGrid(kFizzwickList);
  CGuiGrid* cleaner = FindGrid(kCleanerList);
  CGuiGrid* gardener = FindGrid(kGardenerList);
  CGuiGrid* repair = FindGrid(kRepairList);
  for (CGuiGrid* grid : {fizzleda, fizzwick, cleaner, gardener, repair}) {
    if (grid != nullptr) grid->ClearCells();
  }
  status->ClearCells();
  int32_t mascotRows = 0, cleanerRows = 0, gardenerRows = 0, repairRows = 0;
  const EngineString dash = "-";
  const auto addTo = [&](CGuiGrid* grid, const ParkEvent& event, int32_t position, int32_t& rows) {
    if (grid == nullptr) return;
    AddRow(*grid, event, position, dash, 0);
    ++rows;
  };
  for (size_t i = 0; i < openEvents.size(); ++i) {
    const ParkEvent& event = *openEvents[i];
    const auto position = static_cast<int32_t>(i);
    status->AddCell(0, kLiteralText, event.shortName, position, "");
    if (IsMascot(event.solution)) {
      EngineString cost;
      cost.Format("%d", event.twinkleForSolution);
      for (CGuiGrid* grid : {fizzleda, fizzwick}) {
        if (grid != nullptr) AddRow(*grid, event, position, cost, event.twinkleForSolution);
      }
      ++mascotRows;
    } else if (IsRepairer(event.solution)) {
      addTo(repair, event, position, repairRows);
    } else if (event.solution == "CLEANER") {
      addTo(cleaner, event, position, cleanerRows);
    } else if (event.solution == "GARDENER") {
      addTo(gardener, event, position, gardenerRows);
    }
  }
  SetRows(status, static_cast<int32_t>(openEvents.size()));
  SetRows(fizzleda, mascotRows);
  SetRows(fizzwick, mascotRows);
  SetRows(repair, repairRows);
  SetRows(cleaner, cleanerRows);
  SetRows(gardener, gardenerRows);
}

void REraduzizEventClass::ResetAll() {
  // A run still in progress is cancelled too: it must not open an event of
  // a game that is gone.
  for (std::vector<ParkEvent*>* list : {&openEvents, &m_running}) {
    for (ParkEvent* event : *list) {
      if (event != nullptr) event->Reset();
    }
    list->clear();
  }
  eventBusy = 0;
  if (CGuiGrid* status = FindGrid(kStatusEventList)) ClearRows(*status);
  FillEventLists();
}

EngineString REraduzizEventClass::GetEventTextAt(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= openEvents.size() || openEvents[index] == nullptr) return "";
  return openEvents[index]->eventText;
}
