// Saving and loading whole games: the files of one save are written beside
// their place and renamed in only when all are whole; a load first keeps
// the running park in memory and puts it back when a file proves bad, so
// that the player never loses the game that runs. Also the list of saved
// games, its three rows on the save/load screen and the names of saves.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include "app/AtomicFileSet.h"
#include "app/VAvazadOvurUrovi.h"
#include "gui/widgets/CGuiGrid.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"
#include "screens/REraduzizTutorialScreen.h"

namespace {

constexpr const char* kMessageCaption = "Saved game";
constexpr int32_t kScenarioPrefixText = 100237;
constexpr int32_t kTutorialPrefixText = 100236;
constexpr int32_t kSaveNameText = 100238;
// The second save of a name gets " 2", the third " 3", and so on.
constexpr int kFirstNameSuffix = 2;
constexpr int kMaxNameSuffix = 1000;
// A game is its scene, park and run-state files, and a scenario's file.
constexpr int kGameParts = 3;
constexpr int kGameWithScenarioParts = 4;

// The parts in reading order.
constexpr const char* kPartExtensions[] = {VAvazadOvurUrovi::kSceneExtension, VAvazadOvurUrovi::kParkExtension,
                                           VAvazadOvurUrovi::kAiExtension, VAvazadOvurUrovi::kScenarioExtension};

void ShowSavedGameMessage(const std::string& text) {
  plat::MessageBox(text, kMessageCaption, plat::kMbOk | plat::kMbIconError);
}

// A scratch file that holds the running park while a saved game is read:
// streams on it share its offset, so a reading stream starts at the start.
class ScratchFile {
 public:
  ScratchFile() : m_file(std::tmpfile()) {}
  ~ScratchFile() {
    if (m_file) std::fclose(m_file);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  std::FILE* OpenForWriting() const { return Reopen("wb"); }
  std::FILE* OpenForReading() const {
    std::FILE* file = Reopen("rb");
    if (file) std::fseek(file, 0, SEEK_SET);
    return file;
  }

 private:
  std::FILE* Reopen(const char* mode) const {
    if (!m_file) return nullptr;
    const int descriptor = ::dup(::fileno(m_file));
    return descriptor < 0 ? nullptr : ::fdopen(descriptor, mode);
  }

  std::FILE* m_file;
};

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

// --- Whole saved games ------------------------------------------------------

bool VAvazadOvurUrovi::WriteSavedGame(const EngineString& scenePath, bool withScenario) {
  saving = 1;
  AtomicFileSet files;
  WriteSceneBlocks(files.Open(scenePath));
  WriteParkBlocks(files.Open(CompanionPath(scenePath, kParkExtension)));
  WriteAiBlocks(files.Open(CompanionPath(scenePath, kAiExtension)));
  if (withScenario) WriteScenarioBlocks(files.Open(CompanionPath(scenePath, kScenarioExtension)));
  const bool written = files.Commit();
  saving = 0;
  if (!written) ShowSavedGameMessage("The game could not be saved: " + files.FailedPath() + " was not written.");
  return written;
}

void VAvazadOvurUrovi::WriteSavedPart(int part, SceneStream& stream) {
  switch (part) {
    case 0:
      return WriteSceneBlocks(stream);
    case 1:
      return WriteParkBlocks(stream);
    case 2:
      return WriteAiBlocks(stream);
    default:
      return WriteScenarioBlocks(stream);
  }
}

bool VAvazadOvurUrovi::ReadSavedPart(int part, SceneStream& stream) {
  switch (part) {
    case 0:
      return ReadSceneBlocks(stream);
    case 1:
      return ReadParkBlocks(stream);
    case 2:
      return ReadAiBlocks(stream);
    default:
      return ReadScenarioBlocks(stream);
  }
}

bool VAvazadOvurUrovi::LoadSavedGame(const EngineString& scenePath, bool withScenario) {
  return LoadSavedParts(scenePath, withScenario ? kGameWithScenarioParts : kGameParts);
}

bool VAvazadOvurUrovi::LoadSavedScene(const EngineString& scenePath) { return LoadSavedParts(scenePath, 1); }

bool VAvazadOvurUrovi::HasSavedParts(const EngineString& scenePath, int partCount) const {
  for (int i = 0; i < partCount; ++i) {
    if (plat::FileExists(CompanionPath(scenePath, kPartExtensions[i]).Std())) continue;
    ShowSavedGameMessage("The saved game \"" + FileTitle(scenePath).Std() + "\" cannot be loaded: a file of it is missing.");
    return false;
  }
  return true;
}

bool VAvazadOvurUrovi::LoadSavedParts(const EngineString& scenePath, int partCount) {
  const std::string title = FileTitle(scenePath).Std();
  if (!HasSavedParts(scenePath, partCount)) return false;
  // The running park, kept in memory until the saved game has read whole.
  ScratchFile kept[kGameWithScenarioParts];
  for (int i = 0; i < kGameWithScenarioParts; ++i) {
    SceneStream stream(kept[i].OpenForWriting());
    WriteSavedPart(i, stream);
  }
  bool read = true;
  for (int i = 0; i < partCount && read; ++i) {
    SceneStream stream(CompanionPath(scenePath, kPartExtensions[i]).Std(), "rb");
    read = ReadSavedPart(i, stream);
  }
  if (read) {
    ResumeAfterRead();
    ResetUnsavedTotals();
    return true;
  }
  for (int i = 0; i < kGameWithScenarioParts; ++i) {
    SceneStream stream(kept[i].OpenForReading());
    ReadSavedPart(i, stream);
  }
  ResumeAfterRead();
  ShowSavedGameMessage("The saved game \"" + title + "\" is damaged and was not loaded; the park goes on as it was.");
  return false;
}

void VAvazadOvurUrovi::ResumeAfterRead() {
  for (CAttraction* object : placedObjects.Objects()) object->conditionClock = gameHour;
  lastClockTick = plat::TickCount();
}

// --- Saving under a new name ------------------------------------------------

EngineString VAvazadOvurUrovi::SavedGameName(const EngineString& prefix, const plat::SystemTime& time) {
  char name[512];
  std::snprintf(name, sizeof name, "%s %02d-%02d-%02d %02d_%02d_%02d%s", prefix.Std().c_str(), time.day, time.month,
                time.year, time.hour, time.minute, time.second, kSceneExtension);
  return EngineString(name);
}

bool VAvazadOvurUrovi::SaveScene() {
  const EngineString folder = baseDirectory + kSavedGamesFolder + "\\";
  EngineString prefix;
  if (scenarioRunning) {
    prefix = GetText(kScenarioPrefixText);
  } else if (tutorialProgress) {
    prefix = GetText(kTutorialPrefixText);
  }
  prefix += GetText(kSaveNameText);
  const EngineString name = SavedGameName(prefix, plat::SystemTimeUtc());
  EngineString path = folder + name;
  // A second save within the same second gets a name of its own.
  const std::string stem = path.Std().substr(0, path.Std().size() - std::string(kSceneExtension).size());
  for (int suffix = kFirstNameSuffix; suffix < kMaxNameSuffix; ++suffix) {
    const bool taken = plat::FileExists(path.Std()) || std::find(savedGames.begin(), savedGames.end(), path) != savedGames.end();
    if (!taken) break;
    path = EngineString((stem + " " + std::to_string(suffix) + kSceneExtension).c_str());
  }
  if (!WriteSavedGame(path, scenarioRunning != 0)) return false;
  savedGames.push_back(path);
  ReloadSaveLoadScreen();
  return true;
}

// --- The list of saved games ------------------------------------------------

void VAvazadOvurUrovi::ListSceneFiles(EngineString folder) {
  const std::filesystem::path root(plat::ResolvePath(folder.Std()));
  std::error_code error;
  std::filesystem::recursive_directory_iterator entries(root, error);
  if (error) return;
  std::vector<std::string> found;
  for (const auto& entry : entries) {
    if (!entry.is_regular_file(error) || !EndsWith(entry.path().filename().string(), kSceneExtension)) continue;
    std::string relative = std::filesystem::relative(entry.path(), root, error).string();
    std::replace(relative.begin(), relative.end(), '/', '\\');
    found.push_back(relative);
  }
  std::sort(found.begin(), found.end());
  for (const std::string& relative : found) {
    const EngineString path = folder + "\\" + EngineString(relative.c_str());
    if (std::find(savedGames.begin(), savedGames.end(), path) == savedGames.end()) savedGames.push_back(path);
  }
}

void VAvazadOvurUrovi::ReloadSaveLoadScreen() {
  if (savedGames.empty()) return;
  const int32_t first = std::max(saveListFirstRow, 0);
  const int32_t lastIndex = int32_t(savedGames.size()) - 1;
  const int32_t lastShown = std::min(first + 2, lastIndex);
  const int32_t rows = lastShown - first + 1;
  CGuiGrid* grids[3];
  for (int k = 0; k < 3; ++k) {
    grids[k] = dynamic_cast<CGuiGrid*>(FindElement(kSaveListGrids[k]));
    if (grids[k]) grids[k]->SetSelectedRow(-1, true);
  }
  for (int32_t k = 0; k < 3 && k < rows && grids[k]; ++k) {
    CGuiGrid& grid = *grids[k];
    grid.ClearCells();
    grid.AddCell(0, -1, FileTitle(savedGames[std::size_t(first + k)]), 0, "");
    grid.SetRowCount(1);
    grid.SetSelectedRow(-1, true);
  }
}

bool VAvazadOvurUrovi::LoadScene() {
  if (savedGames.empty()) return false;
  const int64_t index = int64_t(std::max(saveListFirstRow, 0)) + saveListSelectedRow;
  if (saveListSelectedRow < 0 || index >= int64_t(savedGames.size())) return false;
  const EngineString path = savedGames[std::size_t(index)];
  if (path.Length() == 0) return false;
  const bool scenarioGame = path.Std().find(kScenarioPathWord) != std::string::npos;
  if (!LoadSavedGame(path, scenarioGame)) return false;
  scenarioRunning = scenarioGame ? 1 : 0;
  savedGameLoaded = 1;
  if (tutorialProgress && tutorialScreen) ApplyTutorialMarks();
  ShowWindow10075ByFlag();
  return true;
}

void VAvazadOvurUrovi::ShowWindow10075ByFlag() {
  CGuiElement* window = FindElement(kTutorialStartWindow);
  if (!window) return;
  if (tutorialProgress) {
    window->Hide(nullptr);
  } else {
    window->Show(nullptr);
  }
}

void VAvazadOvurUrovi::ApplyTutorialMarks() {
  if (!tutorialScreen) return;
  REraduzizTutorialScreen& screen = *tutorialScreen;
  std::fill(std::begin(screen.lessonDone), std::end(screen.lessonDone), uint8_t(0));
  const int32_t steps = screen.lesson;
  if (steps >= 1 && steps <= REraduzizTutorialScreen::kLessonCount) {
    std::fill(screen.lessonDone, screen.lessonDone + steps, uint8_t(1));
  }
  if (steps == REraduzizTutorialScreen::kLessonCount) tutorialMode = 0;
}
