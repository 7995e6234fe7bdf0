#include "app/CMainObjectParkEventHost.h"

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "platform/math/Math.h"
#include "screens/REraduzizRepairEventScreen.h"
#include "screens/REraduzizStaffScreen.h"
#include "screens/REraduzizTutorialScreen.h"
#include "world/CHeightMapHandlerClass.h"

namespace {

constexpr size_t kEventCameraView = VAvazadOvurUrovi::kEventCameraView;
constexpr plat::Vec3 kWorldUp{0.0f, 1.0f, 0.0f};
// The tutorial lesson whose task is a solved park event.
constexpr int32_t kEventLesson = 4;

}  // namespace

CMainObjectParkEventHost::CMainObjectParkEventHost(VAvazadOvurUrovi& game) : m_game(game) {
  g_parkEventHost = this;
}

CMainObjectParkEventHost::~CMainObjectParkEventHost() {
  if (g_parkEventHost == this) g_parkEventHost = nullptr;
}

REraduzizEventClass* CMainObjectParkEventHost::GetParkEvents() {
  return m_game.initialLoadingDone.load() != 0 ? m_game.parkEvents : nullptr;
}

bool CMainObjectParkEventHost::IsTutorialMode() const { return m_game.tutorialMode != 0; }

bool CMainObjectParkEventHost::IsModal() const { return m_game.modalScreenOpen != 0; }

int32_t CMainObjectParkEventHost::GetClockHour() const { return m_game.gameHour; }

int32_t CMainObjectParkEventHost::GetClockMinute() const { return m_game.gameMinute; }

int32_t CMainObjectParkEventHost::GetPathCellCount() const { return m_game.pathCells; }

int32_t CMainObjectParkEventHost::GetDirtyPathCellCount() const { return m_game.litteredPathCells; }

int32_t CMainObjectParkEventHost::GetCharacterCount() const {
  const CPorvikAiClass* manager = m_game.GetAiManager();
  return manager ? manager->GetCharacterCount() : 0;
}

int32_t CMainObjectParkEventHost::GetHiredGardenerCount() const {
  const REraduzizStaffScreen* staff = m_game.staffScreen;
  return staff ? staff->entries[REraduzizStaffScreen::kGardeners].count : 0;
}

CAttraction* CMainObjectParkEventHost::FindObjectByName(const EngineString& name) const {
  return m_game.FindObjectByName(name);
}

bool CMainObjectParkEventHost::IsTutorialEventAllowed() const {
  return m_game.tutorialScreen && m_game.tutorialScreen->eventAllowed != 0;
}

void CMainObjectParkEventHost::MarkTutorialEventStarted() {
  if (m_game.tutorialScreen) m_game.tutorialScreen->eventStarted = 1;
}

bool CMainObjectParkEventHost::IsTutorialAtEventStep() const {
  const REraduzizTutorialScreen* tutorial = m_game.tutorialScreen;
  return tutorial && tutorial->lesson == kEventLesson && tutorial->eventStarted == 0;
}

int32_t CMainObjectParkEventHost::GetLiveVisitorCount() const {
  const CPorvikAiClass* manager = m_game.GetAiManager();
  return manager ? manager->GetVisitorCount() : -1;
}

void CMainObjectParkEventHost::SetEventCameraPath(const plat::Vec3& lookAt, const plat::Vec3& eye) {
  m_game.eventViewOpen = 1;
  m_game.QueueDialogCommand(true);
  m_game.eventCameraActive = 1;
  if (m_game.cameraViews.size() <= kEventCameraView) return;
  CameraViewRecord& view = m_game.cameraViews[kEventCameraView];
  view.eye = eye;
  view.target = plat::Vec3Normalized(lookAt - eye);
  view.up = kWorldUp;
}

ParticleEffects* CMainObjectParkEventHost::GetParticleEffects() { return m_game.particleEffects; }

void CMainObjectParkEventHost::CleanLitterAt(const plat::Vec3& position) {
  if (m_game.terrain) m_game.terrain->CleanLitterAt(position.x, position.y, position.z);
}

void CMainObjectParkEventHost::QueueDialogCommand(bool open) { m_game.QueueDialogCommand(open); }

void CMainObjectParkEventHost::SelectOpenEvent(int32_t index) {
  if (m_game.repairEventScreen) m_game.repairEventScreen->chosenEvent = index;
}

void CMainObjectParkEventHost::QueueFlagCommands() { m_game.QueueFlagCommands(); }

void CMainObjectParkEventHost::RefreshStatusDisplay() { m_game.RefreshStatusDisplay(); }

void CMainObjectParkEventHost::EnterEventPopupMode() {
  m_game.buildBookOpen = 0;
  m_game.HideGameScreens();
  // After the hide-all, which leaves the modal mode.
  m_game.modalScreenOpen = 1;
}

EngineString CMainObjectParkEventHost::GetBaseDirectory() const { return m_game.baseDirectory; }
