#include "screens/REraduzizBuildBook.h"

#include <string>
#include <utility>

#include "engine/core/XmlNode.h"
#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiTextBox.h"
#include "gui/widgets/CGuiWindow.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Path.h"
#include "screens/REraduzizBuildBookHost.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"

namespace {

constexpr const char* kScreen = "REraduzizBuildBook";
constexpr const char* kButton = "button";
constexpr const char* kWindow = "window";
constexpr const char* kTextBox = "text box";

constexpr const char* kPagePicturePaths[REraduzizBuildBook::kPagePictureCount] = {
    "\\images\\GuiImages\\BOOK\\book_main.png", "\\images\\GuiImages\\BOOK\\book_1.png",
    "\\images\\GuiImages\\BOOK\\book_2.png",    "\\images\\GuiImages\\BOOK\\book_3.png",
    "\\images\\GuiImages\\BOOK\\book_4.png",    "\\images\\GuiImages\\BOOK\\book_5end.png"};
constexpr const char* kBlankPicturePath = "\\images\\GuiImages\\alphaPX.png";
constexpr const char* kVeilPicturePath = "\\images\\GuiImages\\BOOK\\barnaAlfaPix_20.png";
constexpr const char* kEntryPictureFolder = "\\images\\GuiImages\\BuildingImages\\";

// The text format of the tab captions.
constexpr uint32_t kTabCaptionFormat = 17;
// The realm whose entries can be bought however many stand in the park.
constexpr int32_t kGeneralBuildings = 4;
// The scenario that opens every build level whatever the rating.
constexpr int32_t kAllLevelsScenario = 3;

// The build level of a rating band: below 40 level 1, then one level per
// 20 up to level 5 from 100.
int32_t LevelOfBand(int32_t band) {
  constexpr int32_t kFirstBandStep = 40;
  constexpr int32_t kBandStep = 20;
  if (band < kFirstBandStep) return 1;
  const int32_t level = 2 + (band - kFirstBandStep) / kBandStep;
  return level < REraduzizBuildBook::kHighestBuildLevel ? level : REraduzizBuildBook::kHighestBuildLevel;
}

void SetHidden(CGuiButton* button, bool hidden) {
  if (button) button->suppressed = hidden ? 1 : 0;
}

void SetFixed(CGuiButton* button, bool fixed) {
  if (button) button->SetFixedTextColour(fixed);
}

}  // namespace

REraduzizBuildBook::REraduzizBuildBook(CGuiElement* windowElement, ScreenHost& screens, REraduzizBuildBookHost* host)
    : window(dynamic_cast<CGuiWindow*>(windowElement)), m_screens(screens), m_host(host) {
  if (windowElement && !window) screens::ReportMissingControl(kScreen, windowElement->GetId(), kWindow);
  if (m_host) baseDirectory = m_host->GetBaseDirectory();
  LoadBookPictures();
  highestLevel = 1;
}

REraduzizBuildBook::~REraduzizBuildBook() { ReleaseImages(); }

GuiTexturePtr REraduzizBuildBook::LoadPicture(const EngineString& path) const {
  GuiTexturePtr picture(new ZOdevuvTexture());
  picture->LoadFromFileEx((baseDirectory + path).CStr());
  return picture;
}

void REraduzizBuildBook::LoadBookPictures() {
  for (int32_t i = 0; i < kPagePictureCount; ++i) pagePictures[i] = LoadPicture(kPagePicturePaths[i]);
  blankPicture = LoadPicture(kBlankPicturePath);
  veilPicture = LoadPicture(kVeilPicturePath);
}

void REraduzizBuildBook::ReleaseImages() {
  // The windows borrow the pictures: they let go of them first.
  for (CGuiWindow* frame : itemFrames) {
    if (frame) frame->picture = frame->overlayPicture = nullptr;
  }
  if (window) window->picture = nullptr;
  for (GuiTexturePtr& picture : pagePictures) picture.reset();
  blankPicture.reset();
  veilPicture.reset();
  for (std::vector<BookItem>& realm : realmItems) {
    for (BookItem& item : realm) item.picture = nullptr;
  }
  m_entryPictures.clear();
}

void REraduzizBuildBook::LoadBook(EngineString directory) {
  baseDirectory = std::move(directory);
  BindControls();
  for (CGuiButton* button : buyButtons) SetFixed(button, true);
  CaptionTabs();
  PrepareItemFrames();
  const EngineString path = baseDirectory + buildbook::kBookPath;
  if (plat::FileExists(path.Std())) {
    LoadEntries(XmlNode::OpenFileHelper(path.CStr(), buildbook::kRootTag));
  } else {
    // A park without a book gets an empty one: every slot shows empty.
    plat::OutputDebugString(std::string(kScreen) + ": no book file " + path.Std() + "\n");
  }
  currentRealm = 0;
  SelectRealm(0);
  if (window) window->drawOwnPicture = 1;
  ShowPage();
}

void REraduzizBuildBook::LoadEntries(const XmlNode& root) {
  buildbook::RealmLists read;
  buildbook::ReadBook(root, read);
  for (int32_t realm = 0; realm < kRealmCount; ++realm) {
    for (BookItem& item : read[realm]) {
      m_entryPictures.push_back(LoadPicture(EngineString(kEntryPictureFolder) + item.imageName));
      item.picture = m_entryPictures.back().get();
      realmItems[realm].push_back(std::move(item));
    }
  }
}

void REraduzizBuildBook::BindControls() {
  for (int32_t i = 0; i < kRealmCount; ++i) {
    tabButtonsA[i] = screens::BindChild<CGuiButton>(window, kTabsA + i, kScreen, kButton);
    tabButtonsB[i] = screens::BindChild<CGuiButton>(window, kTabsB + i, kScreen, kButton);
  }
  for (int32_t j = 0; j < kSlotCount; ++j) {
    buyButtons[j] = screens::BindChild<CGuiButton>(window, kBuyButtons + j, kScreen, kButton);
    itemFrames[j] = screens::BindChild<CGuiWindow>(window, kItemFrames[j], kScreen, kWindow);
    itemTexts[j] = screens::BindChild<CGuiTextBox>(window, kItemTexts[j], kScreen, kTextBox);
  }
}

void REraduzizBuildBook::CaptionTabs() {
  CGuiMainClass& gui = m_screens.Gui();
  for (const auto* tabs : {&tabButtonsA, &tabButtonsB}) {
    for (int32_t i = 0; i < kRealmCount; ++i) {
      if ((*tabs)[i]) (*tabs)[i]->SetText(gui.GetText(kRealmNameText + i), kTabCaptionFormat);
    }
  }
}

void REraduzizBuildBook::PrepareItemFrames() {
  for (CGuiWindow* frame : itemFrames) {
    if (!frame) continue;
    frame->drawOwnPicture = 1;
    frame->picture = blankPicture.get();
    frame->overlay = 1;
    frame->overlayPicture = veilPicture.get();
  }
}

void REraduzizBuildBook::SetTabs(int32_t realm) {
  for (int32_t i = 0; i < kRealmCount; ++i) {
    SetHidden(tabButtonsA[i], i < realm);
    SetHidden(tabButtonsB[i], i >= realm);
  }
}

void REraduzizBuildBook::SelectRealm(int32_t position) {
  currentRealm = position;
  if (position < 0 || position >= kPagePictureCount) return;
  SetTabs(position);
  if (window) window->picture = pagePictures[position].get();
}

int32_t REraduzizBuildBook::WorkOutBuildLevel() const {
  if (!m_host) return 1;
  const std::optional<int32_t> scenario = m_host->GetRunningScenario();
  const bool allLevels = scenario && *scenario == kAllLevelsScenario;
  if (allLevels) return kHighestBuildLevel;
  const std::optional<int32_t> band = m_host->GetRatingBand();
  return band ? LevelOfBand(*band) : 1;
}

void REraduzizBuildBook::ClearSlot(int32_t slot) {
  m_looks[slot] = SlotLook::kEmpty;
  if (CGuiWindow* frame = itemFrames[slot]) {
    frame->picture = blankPicture.get();
    frame->overlay = 1;
  }
  if (CGuiTextBox* text = itemTexts[slot]) {
    text->Clear();
    text->SetText(-1, EngineString());
  }
}

EngineString REraduzizBuildBook::SlotText(const BookItem& item) {
  CGuiMainClass& gui = m_screens.Gui();
  EngineString price;
  price.Format("%s: %d", gui.GetText(kPriceText).CStr(), item.price);
  EngineString capacity;
  if (item.capacity > 0) {
    capacity.Format("%s: %d %s", gui.GetText(kCapacityText).CStr(), item.capacity,
                    gui.GetText(kCapacityUnitText).CStr());
  }
  const EngineString lineFeed("\n");
  return item.objectName + lineFeed + price + lineFeed + capacity + lineFeed + item.description;
}

bool REraduzizBuildBook::IsBuilt(const BookItem& item) const { return m_host && m_host->IsBuilt(item.geometryName); }

void REraduzizBuildBook::FillSlot(int32_t slot, const BookItem& entry) {
  BookItem item = entry;
  item.built = IsBuilt(item) ? 1 : 0;
  if (CGuiWindow* frame = itemFrames[slot]) frame->picture = item.picture;
  if (CGuiTextBox* text = itemTexts[slot]) text->SetText(-1, SlotText(item));
  const bool available = item.grLevel <= highestLevel && (currentRealm == kGeneralBuildings || !item.built);
  m_looks[slot] = available ? SlotLook::kAvailable : SlotLook::kUnavailable;
  SetFixed(buyButtons[slot], !available);
  if (CGuiWindow* frame = itemFrames[slot]) frame->overlay = available ? 0 : 1;
}

const BookItem* REraduzizBuildBook::EntryOfSlot(int32_t slot) const {
  if (currentRealm < 0 || currentRealm >= kRealmCount) return nullptr;
  const std::vector<BookItem>& items = realmItems[currentRealm];
  const int64_t n = int64_t(pageStart[currentRealm]) + slot;
  return n >= 0 && n < int64_t(items.size()) ? &items[size_t(n)] : nullptr;
}

void REraduzizBuildBook::ShowPage() {
  for (int32_t slot = 0; slot < kSlotCount; ++slot) ClearSlot(slot);
  for (CGuiButton* button : buyButtons) SetFixed(button, true);
  const int32_t level = WorkOutBuildLevel();
  if (level >= highestLevel) highestLevel = level;
  for (int32_t slot = 0; slot < kSlotCount; ++slot) {
    const BookItem* item = EntryOfSlot(slot);
    // Entries two or more levels ahead stay hidden: the slot looks empty.
    if (!item || item->grLevel > highestLevel + 1) continue;
    FillSlot(slot, *item);
  }
}

REraduzizBuildBook::SlotLook REraduzizBuildBook::GetSlotLook(int32_t slot) const {
  return slot >= 0 && slot < kSlotCount ? m_looks[slot] : SlotLook::kEmpty;
}
