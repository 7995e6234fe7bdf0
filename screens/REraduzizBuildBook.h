#pragma once
// The build book: the catalogue of buildings in five realms (four themed
// areas and the general buildings), read once from the book file, shown
// four entries to a page, from which the player buys a building to place.
//
// A realm's entries show from the build level the park has reached: the
// running scenario and the park rating raise it, and it never falls during
// a game. A themed realm's entry whose type already stands in the park
// cannot be bought again; the general buildings can.
//
// Two attractions have a fixed spot in the park: bought from the book they
// are set down there at once, and only when their footprint there is free.
//
// Every control is bound by id; a missing one leaves its pointer null and
// the book does less. The pictures are the book's own: they are decoded on
// the loading thread and go to the device when they are first drawn.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/ElementRecord.h"
#include "gui/core/GuiCommand.h"
#include "platform/math/Types.h"
#include "screens/BookItem.h"
#include "screens/REraduzizBuildBookFile.h"

class CGuiButton;
class CGuiMainClass;
class CGuiTextBox;
class CGuiWindow;
class REraduzizBuildBookHost;
class ScreenHost;

class REraduzizBuildBook {
 public:
  static constexpr int32_t kRealmCount = buildbook::kRealmCount;
  // Page pictures: one per realm and the one after the last realm.
  static constexpr int32_t kPagePictureCount = kRealmCount + 1;
  static constexpr int32_t kSlotCount = 4;
  static constexpr int32_t kHighestBuildLevel = 5;

  // Controls.
  static constexpr int32_t kTabsA = 10090;
  static constexpr int32_t kTabsB = 10099;
  static constexpr int32_t kBuyButtons = 10104;
  static constexpr int32_t kNextPage = 10096;
  static constexpr int32_t kPreviousPage = 10095;
  static constexpr int32_t kCloseButton = 10097;
  static constexpr std::array<int32_t, kSlotCount> kItemFrames = {10078, 10080, 10084, 10087};
  static constexpr std::array<int32_t, kSlotCount> kItemTexts = {10081, 10082, 10085, 10088};

  // Texts: the realm names from this id on, the slot labels, the message
  // of an entry the park cannot afford.
  static constexpr int32_t kRealmNameText = 100146;
  static constexpr int32_t kPriceText = 100103;
  static constexpr int32_t kCapacityText = 100216;
  static constexpr int32_t kCapacityUnitText = 100234;
  static constexpr int32_t kCannotAffordText = 100187;

  // The window may be null (the GUI description lacks it); without a book
  // host the book shows its entries at level 1 and buys nothing.
  REraduzizBuildBook(CGuiElement* window, ScreenHost& screens, REraduzizBuildBookHost* host);
  ~REraduzizBuildBook();
  REraduzizBuildBook(const REraduzizBuildBook&) = delete;
  REraduzizBuildBook& operator=(const REraduzizBuildBook&) = delete;

  // Binds the controls, captions the tabs, reads the book file of the base
  // directory with every entry's picture, shows realm 0 and lays the page
  // out.
  void LoadBook(EngineString baseDirectory);
  // Reads the entries from a parsed book file (the root "BookDescriptor")
  // and loads their pictures from the base directory.
  void LoadEntries(const XmlNode& root);
  // Releases every picture of the book and of its entries.
  void ReleaseImages();

  // Makes the realm current: any value is kept; 0 to 5 also set the tabs
  // (those of the realm and after it in the first set, those before it in
  // the second) and the page picture.
  void SelectRealm(int32_t position);
  // Works the build level out and lays the four slots of the page out.
  void ShowPage();
  // The buy buttons, page buttons, realm tabs and close button; true when
  // it took the command.
  bool OnGuiCommand(GuiCommand& command);

  // The spot where an attraction with a fixed place in the park is set
  // down, whether bought from the book or placed with the mouse.
  struct FixedSpot {
    const char* id;
    plat::Vec3 position;
    float rotationDegrees;
  };
  // The spot of the attraction id, or null for every other id.
  static const FixedSpot* FindFixedSpot(const EngineString& id);

  // Back from the book to the game: the game's main page (every layer
  // switched, the book hidden) and the status panel.
  static void PostReturnToGame(CGuiMainClass& gui);

  // What slot j of the page shows (for the page's readers and tests).
  enum class SlotLook { kEmpty, kUnavailable, kAvailable };
  SlotLook GetSlotLook(int32_t slot) const;
  // The parsed book, kept for later readers (the upgrade screen).
  const buildbook::RealmLists& GetRealms() const { return realmItems; }

  // The highest build level reached (1 to 5); a new game starts at 1.
  int32_t highestLevel = 1;
  CGuiWindow* window = nullptr;
  // Per realm, the first entry of the page shown (a multiple of 4).
  std::array<int32_t, kRealmCount> pageStart = {};
  int32_t currentRealm = 0;

  std::array<CGuiButton*, kRealmCount> tabButtonsA = {};
  std::array<CGuiButton*, kRealmCount> tabButtonsB = {};
  std::array<CGuiButton*, kSlotCount> buyButtons = {};
  std::array<CGuiWindow*, kSlotCount> itemFrames = {};
  std::array<CGuiTextBox*, kSlotCount> itemTexts = {};
  EngineString baseDirectory;
  buildbook::RealmLists realmItems;

  GuiTexturePtr pagePictures[kPagePictureCount];
  GuiTexturePtr blankPicture;
  GuiTexturePtr veilPicture;

 private:
  void LoadBookPictures();
  GuiTexturePtr LoadPicture(const EngineString& path) const;
  void BindControls();
  void CaptionTabs();
  void PrepareItemFrames();
  void SetTabs(int32_t realm);

  int32_t WorkOutBuildLevel() const;
  void ClearSlot(int32_t slot);
  void FillSlot(int32_t slot, const BookItem& item);
  EngineString SlotText(const BookItem& item);
  bool IsBuilt(const BookItem& item) const;
  // The current realm's entry of the slot on the page shown; null when the
  // slot has none (or the realm is outside 0..4).
  const BookItem* EntryOfSlot(int32_t slot) const;

  void Buy(int32_t slot);
  void PlaceAtFixedSpot();
  void TurnPage(int32_t step);
  void ChooseRealm(int32_t realm);
  void Close();

  ScreenHost& m_screens;
  REraduzizBuildBookHost* m_host = nullptr;
  std::vector<GuiTexturePtr> m_entryPictures;
  std::array<SlotLook, kSlotCount> m_looks = {};
};
