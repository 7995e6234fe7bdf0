#pragma once
// The food topping screen: composes one restaurant food from the toppings
// of its type. The player names it, chooses the toppings it offers and
// sets its price. It opens over the menu items window, either to compose a
// new food for the chosen restaurant food type or to edit the selected
// food; an edit changes the catalogue at once, and cancel restores it.
//
// The food being edited is found by its type and id each time it is used,
// so a food deleted or a catalogue reloaded meanwhile leaves the screen
// without a food (it then changes nothing), never holding a freed record.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "park/foods/FoodRecord.h"

class CGuiButton;
class CGuiEditBox;
class CGuiGrid;
class CGuiStaticText;
class CFoodCatalog;
class ScreenHost;

class REraduzizFoodFeltetScreen {
 public:
  static constexpr int32_t kCaptionId = 10144;
  static constexpr int32_t kPriceCaptionId = 10145;
  static constexpr int32_t kTitleId = 10146;
  static constexpr int32_t kAcceptId = 10147;
  static constexpr int32_t kNameBoxId = 10148;
  static constexpr int32_t kPriceId = 10149;
  static constexpr int32_t kPriceUpId = 10150;
  static constexpr int32_t kPriceDownId = 10151;
  static constexpr int32_t kOfferedListId = 10153;
  static constexpr int32_t kAvailableListId = 10154;
  static constexpr int32_t kRemoveId = 10155;
  static constexpr int32_t kOfferId = 10156;
  static constexpr int32_t kCancelId = 10157;
  // What a new food starts as.
  static constexpr int32_t kNewFoodCost = 27;
  static constexpr int32_t kNewFoodNameText = 100218;
  // Appended to a name while another food has it.
  static constexpr const char* kNameSuffix = "/a";

  // The window may be null (the GUI description lacks it).
  REraduzizFoodFeltetScreen(ScreenHost& host, CGuiElement* window);

  // Fills the screen for a new food (the menu items window composes) or
  // for the selected food; before the page is shown.
  void ShowOutlet();
  // The two lists and the texts from the current food.
  void RefreshLists();
  // Inactive until the current food offers a topping.
  void UpdateAcceptLook();
  void OnGuiCommand(GuiCommand& command);
  // The close of the message that ends the menu lesson: the tutorial moves
  // on (a context, the screen, and the lesson message's tag).
  static void FoodFeltetQuestionCallback(void* context, int32_t argument1, int32_t tag, int32_t argument2,
                                         int32_t argument3);

  // The template while composing, the edited food of the catalogue while
  // editing, or null (nothing opened, or the edited food is gone).
  FoodRecord* CurrentFood() const;
  bool IsComposing() const { return m_subject == Subject::kTemplate; }

  // The name made unique among the restaurant foods: "/a" is appended for
  // each food that has it, pass after pass, until a pass finds none. The
  // foods of the type with the id skipTypeId are not counted (-1 counts
  // every type's).
  static EngineString UniqueName(const CFoodCatalog& catalog, EngineString name, int32_t skipTypeId);

  CGuiElement* window = nullptr;
  FoodRecord foodTemplate;
  FoodRecord backup;
  EngineString typeName;
  // The id of the topping chosen in each list, -1 for none.
  int32_t offeredSelection = -1;
  int32_t availableSelection = -1;
  CGuiGrid* availableList = nullptr;
  CGuiGrid* offeredList = nullptr;
  CGuiEditBox* nameBox = nullptr;
  CGuiStaticText* priceText = nullptr;
  CGuiStaticText* title = nullptr;
  CGuiButton* acceptButton = nullptr;

 private:
  enum class Subject { kNone, kTemplate, kCatalogueFood };

  CFoodCatalog* Catalog() const;
  void StartComposing(int32_t typeId);
  void StartEditing(int32_t typeId, int32_t foodId);
  // Offers (or stops offering) the topping chosen in a list.
  void ToggleTopping(CGuiGrid* list, int32_t& selection, bool offer);
  void StepPrice(int32_t step);
  void Cancel();
  void Accept();
  // False when the type is gone (nothing is added).
  bool AddComposedFood(const EngineString& name);
  // In the tutorial, a composed dish ends the menu lesson.
  void FinishMenuLesson();
  void ClosePage(int32_t sender);

  ScreenHost& m_host;
  Subject m_subject = Subject::kNone;
  // The type the screen was opened for, and the edited food's id.
  int32_t m_typeId = -1;
  int32_t m_foodId = -1;
};
