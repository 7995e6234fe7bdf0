#include "park/REraduzizEventClass.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdlib>

#include "engine/core/XmlNode.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/core/GuiCommand.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/events/EventRules.h"
#include "park/events/EventRun.h"
#include "park/events/IParkEventHost.h"
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
constexpr int32_t kNoSender = -1;
// The pages the pop-up's commands address, and the control they name.
constexpr int32_t kGameMainPage = 10062;
constexpr int32_t kStatusPanelPage = 10433;
constexpr int32_t kBookBackButton = 10097;

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
  DropRun(event);
  event.owner = &owner;
  eventBusy = 1;
  m_runs.push_back(std::make_unique<EventRun>(event, plat::TickCount()));
  m_runs.back()->Advance(plat::TickCount());
}

void REraduzizEventClass::UpdateRuns(uint32_t now) {
  WatchPopup();
  for (size_t i = 0; i < m_runs.size();) {
    EventRun& run = *m_runs[i];
    // An event reset while it ran (its owner gone) ends its run quietly.
    const bool cancelled = run.GetEvent().owner == nullptr;
    if (cancelled) eventBusy = 0;
    if (cancelled || run.Advance(now)) {
      m_runs.erase(m_runs.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

void REraduzizEventClass::WatchPopup() {
  if (!m_popupOpen) return;
  const CGuiElement* page = g_guiMain ? g_guiMain->FindElement(kPopupPage) : nullptr;
  if (page && page->IsVisible()) return;
  m_popupOpen = false;
  eventBusy = 0;
}

void REraduzizEventClass::DropRun(const ParkEvent& event) {
  const auto run = std::find_if(m_runs.begin(), m_runs.end(),
                                [&](const std::unique_ptr<EventRun>& r) { return &r->GetEvent() == &event; });
  if (run == m_runs.end()) return;
  m_runs.erase(run);
  eventBusy = 0;
}

std::vector<ParkEvent*> REraduzizEventClass::GetRunningEvents() const {
  std::vector<ParkEvent*> running;
  for (const auto& run : m_runs) running.push_back(&run->GetEvent());
  return running;
}

const EventRun* REraduzizEventClass::FindRun(const ParkEvent& event) const {
  for (const auto& run : m_runs) {
    if (&run->GetEvent() == &event) return run.get();
  }
  return nullptr;
}

void REraduzizEventClass::EventPopupCallback(void* context, ParkEvent* event) {
  if (context == nullptr || event == nullptr) return;
  static_cast<REraduzizEventClass*>(context)->OpenEvent(*event);
}

void REraduzizEventClass::OpenEvent(ParkEvent& event) {
  // A run that was cancelled meanwhile opens nothing.
  if (FindRun(event) == nullptr || event.owner == nullptr) return;
  HandleEventPopup(event);
}

void REraduzizEventClass::HandleEventPopup(ParkEvent& event) {
  IParkEventHost* host = g_parkEventHost;
  openEvents.push_back(&event);
  if (host) host->SelectOpenEvent(static_cast<int32_t>(openEvents.size()) - 1);
  FillEventLists();
  if (g_guiMain == nullptr) {
    eventBusy = 0;  // no pop-up can show, so none will close
    return;
  }
  if (auto* text = dynamic_cast<CGuiTextBox*>(g_guiMain->FindElement(kPopupText))) {
    text->Clear();
    text->SetText(kLiteralText, event.eventText);
  }
  if (host) {
    host->QueueFlagCommands();
    host->RefreshStatusDisplay();
  }
  g_guiMain->PostCommand(kNoSender, kGameMainPage, kCmdOpenPageForced, kBookBackButton, 0);
  g_guiMain->PostCommand(kNoSender, kStatusPanelPage, kCmdOpenPage, kBookBackButton, 0);
  if (host) host->EnterEventPopupMode();
  g_guiMain->PostCommand(kNoSender, kPopupPage, kCmdShowPage, kPopupCloseButton, 0);
  if (host) host->QueueDialogCommand(true);
  if (CGuiElement* picture = g_guiMain->FindElement(kPopupPicture)) {
    EngineString path;
    if (event.bookImage.Length() > 0) path = (host ? host->GetBaseDirectory() : EngineString()) + event.bookImage;
    picture->SetBackgroundTexture(path);
  }
  m_popupOpen = true;
}

void REraduzizEventClass::OnObjectRemoved(const CAttraction& object) {
  bool reset = false;
  for (ParkEvent* event : KnownEvents()) {
    if (event->owner != &object && event->extraObject != &object) continue;
    DropRun(*event);
    std::erase(openEvents, event);
    event->Reset();
    reset = true;
  }
  if (reset) FillEventLists();
}

std::vector<ParkEvent*> REraduzizEventClass::KnownEvents() const {
  std::vector<ParkEvent*> known = openEvents;
  for (const auto& run : m_runs) known.push_back(&run->GetEvent());
  for (const auto& event : m_events) known.push_back(event.get());
  std::erase(known, nullptr);
  std::sort(known.begin(), known.end());
  known.erase(std::unique(known.begin(), known.end()), known.end());
  return known;
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
    if (IsMascotSolution(event.solution)) {
      EngineString cost;
      cost.Format("%d", event.twinkleForSolution);
      for (CGuiGrid* grid : {fizzleda, fizzwick}) {
        if (grid != nullptr) AddRow(*grid, event, position, cost, event.twinkleForSolution);
      }
      ++mascotRows;
    } else if (IsRepairSolution(event.solution)) {
      addTo(repair, event, position, repairRows);
    } else if (IsCleanerSolution(event.solution)) {
      addTo(cleaner, event, position, cleanerRows);
    } else if (IsGardenerSolution(event.solution)) {
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
  // Running events and those with a solver on the way are reset too: none
  // may open, or keep its attraction, in a game that is gone.
  std::vector<ParkEvent*> reset;
  for (ParkEvent* event : KnownEvents()) {
    const bool open = std::find(openEvents.begin(), openEvents.end(), event) != openEvents.end();
    if (open || FindRun(*event) || event->owner != nullptr || event->assigned != 0) reset.push_back(event);
  }
  m_runs.clear();
  openEvents.clear();
  for (ParkEvent* event : reset) event->Reset();
  eventBusy = 0;
  // The pop-up of an event that is gone goes with it.
  if (m_popupOpen && g_guiMain) g_guiMain->PostCommand(kNoSender, kPopupPage, kCmdClosePage, kPopupCloseButton, 0);
  m_popupOpen = false;
  if (CGuiGrid* status = FindGrid(kStatusEventList)) ClearRows(*status);
  FillEventLists();
  if (g_parkEventHost) g_parkEventHost->SelectOpenEvent(kNoRow);
}

EngineString REraduzizEventClass::GetEventTextAt(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= openEvents.size() || openEvents[index] == nullptr) return "";
  return openEvents[index]->eventText;
}
