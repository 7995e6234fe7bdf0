#include "screens/REraduzizFoodFeltetScreen.h"

#include <algorithm>
#include <memory>

#include "engine/core/SceneStream.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiEditBox.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/foods/CFoodCatalog.h"
#include "screens/FoodScreenLists.h"
#include "screens/REraduzizTutorialScreen.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kScreen = "REraduzizFoodFeltetScreen";
constexpr int32_t kNameHeaderText = 100126;
constexpr int32_t kPriceCaptionText = 100127;
constexpr int32_t kRemoveText = 100155;
constexpr int32_t kOfferText = 100156;
constexpr int32_t kCancelText = 100136;
constexpr uint32_t kCaptionFormat = 0;
constexpr uint32_t kTitleFormat = 1;
constexpr uint32_t kButtonFormat = 5;
constexpr uint32_t kHeaderFormat = 0;
constexpr uint32_t kPriceFormat = 0;
constexpr uint32_t kNameFormat = 0;
constexpr GuiColour kCaptionColour{255, 128, 0, 0};
// The message that ends the menu lesson once a dish is composed.
constexpr int32_t kMenuLessonDoneText = 401006;

}  // namespace

REraduzizFoodFeltetScreen::REraduzizFoodFeltetScreen(ScreenHost& host, CGuiElement* window)
    : window(window), m_host(host) {
  if (!window) return;
  CGuiMainClass& gui = m_host.Gui();
  title = screens::BindElement<CGuiStaticText>(gui, kTitleId, kScreen, "static text");
  screens::SetCaption(screens::BindElement<CGuiStaticText>(gui, kCaptionId, kScreen, "static text"), kNameHeaderText,
                      kCaptionFormat, kCaptionColour);
  nameBox = screens::BindElement<CGuiEditBox>(gui, kNameBoxId, kScreen, "edit box");
  offeredList = screens::BindElement<CGuiGrid>(gui, kOfferedListId, kScreen, "grid");
  availableList = screens::BindElement<CGuiGrid>(gui, kAvailableListId, kScreen, "grid");
  for (CGuiGrid* list : {offeredList, availableList}) {
    foodscreens::SetHeader(gui, list, 0, kNameHeaderText, kHeaderFormat);
    foodscreens::FinishRows(list, 0);
  }
  const std::pair<int32_t, int32_t> buttons[] = {
      {kRemoveId, kRemoveText}, {kOfferId, kOfferText}, {kCancelId, kCancelText}};
  for (const auto& [id, text] : buttons) {
    screens::SetButtonCaption(gui, screens::BindElement<CGuiButton>(gui, id, kScreen, "button"), text, kButtonFormat);
  }
  acceptButton = screens::BindElement<CGuiButton>(gui, kAcceptId, kScreen, "button");
  priceText = screens::BindElement<CGuiStaticText>(gui, kPriceId, kScreen, "static text");
  screens::SetCaption(screens::BindElement<CGuiStaticText>(gui, kPriceCaptionId, kScreen, "static text"),
                      kPriceCaptionText, kCaptionFormat, kCaptionColour);
}

CFoodCatalog* REraduzizFoodFeltetScreen::Catalog() const { return m_host.GetFoodCatalog(); }

FoodRecord* REraduzizFoodFeltetScreen::CurrentFood() const {
  switch (m_subject) {
    case Subject::kTemplate:
      return const_cast<FoodRecord*>(&foodTemplate);
    case Subject::kCatalogueFood: {
      const CFoodCatalog* catalog = Catalog();
      return catalog ? catalog->FindRestaurantFood(m_typeId, m_foodId) : nullptr;
    }
    case Subject::kNone:
      break;
  }
  return nullptr;
}

void REraduzizFoodFeltetScreen::ShowOutlet() {
  typeName = EngineString();
  const ScreenSet* screens = m_host.GetScreens();
  const REraduzizFastFoodScreen* menu = screens ? screens->fastFoodScreen.get() : nullptr;
  const int32_t typeId = menu ? menu->ChosenType() : -1;
  if (menu && menu->composing == 1) {
    StartComposing(typeId);
  } else {
    StartEditing(typeId, menu ? menu->selectedFood : -1);
  }
  RefreshLists();
  const FoodRecord* food = CurrentFood();
  if (nameBox) nameBox->SetText(food ? food->name : EngineString(), kNameFormat, kGuiBlack);
}

void REraduzizFoodFeltetScreen::StartComposing(int32_t typeId) {
  m_subject = Subject::kTemplate;
  m_typeId = typeId;
  m_foodId = -1;
  foodTemplate.id = 0;
  foodTemplate.cost = kNewFoodCost;
  foodTemplate.del = FoodRecord::kComposed;
  foodTemplate.name = m_host.Gui().GetText(kNewFoodNameText);
  foodTemplate.toppings.clear();
  const CFoodCatalog* catalog = Catalog();
  if (!catalog) return;
  if (const FoodTypeRecord* type = catalog->FindFoodType(typeId)) {
    typeName = type->name;
    // One past the highest id, so that the new id is the type's alone
    // whatever the order of its foods.
    for (const auto& food : type->foods) foodTemplate.id = std::max(foodTemplate.id, food->id + 1);
  }
  if (const ToppingTypeRecord* toppings = catalog->FindToppingType(typeId)) {
    typeName = toppings->name;
    for (const auto& topping : toppings->toppings) {
      auto copy = std::make_unique<ToppingRecord>(*topping);
      copy->active = 0;
      foodTemplate.toppings.push_back(std::move(copy));
    }
  }
}

void REraduzizFoodFeltetScreen::StartEditing(int32_t typeId, int32_t foodId) {
  m_subject = Subject::kCatalogueFood;
  m_typeId = typeId;
  m_foodId = foodId;
  const FoodRecord* food = CurrentFood();
  if (!food) {
    m_subject = Subject::kNone;
    return;
  }
  backup.CopyFrom(*food);
}

void REraduzizFoodFeltetScreen::RefreshLists() {
  const FoodRecord* food = CurrentFood();
  screens::SetLiteral(title, typeName, kTitleFormat, kCaptionColour);
  screens::SetLiteral(priceText, screens::FormatValue("%d", food ? food->cost : 0), kPriceFormat, kGuiBlack);
  foodscreens::ClearRows(offeredList);
  foodscreens::ClearRows(availableList);
  int32_t offered = 0;
  int32_t available = 0;
  if (food) {
    for (const auto& topping : food->toppings) {
      const bool offers = topping->active == 1;
      foodscreens::AddNameCell(offers ? offeredList : availableList, topping->name, topping->id);
      ++(offers ? offered : available);
    }
  }
  offeredSelection = foodscreens::FinishRows(offeredList, offered);
  availableSelection = foodscreens::FinishRows(availableList, available);
  UpdateAcceptLook();
}

void REraduzizFoodFeltetScreen::UpdateAcceptLook() {
  if (!acceptButton) return;
  const FoodRecord* food = CurrentFood();
  acceptButton->SetFixedTextColour(!food || !food->OffersTopping());
}

void REraduzizFoodFeltetScreen::ToggleTopping(CGuiGrid* list, int32_t& selection, bool offer) {
  selection = foodscreens::SelectedId(list);
  FoodRecord* food = CurrentFood();
  ToppingRecord* topping = food && selection != -1 ? food->FindTopping(selection) : nullptr;
  // A topping already on the other side (a stale list) changes nothing.
  if (!topping || (topping->active == 1) == offer) return;
  topping->active = offer ? 1 : 0;
  food->cost = FoodRecord::ClampCost(int64_t(food->cost) + (offer ? topping->cost : -int64_t(topping->cost)));
  RefreshLists();
}

void REraduzizFoodFeltetScreen::StepPrice(int32_t step) {
  FoodRecord* food = CurrentFood();
  if (!food) return;
  const int32_t cost = FoodRecord::ClampCost(int64_t(food->cost) + step);
  if (cost == food->cost) return;
  food->cost = cost;
  RefreshLists();
}

void REraduzizFoodFeltetScreen::ClosePage(int32_t sender) {
  m_host.Gui().PostCommand(sender, screen_ids::kFoodFeltet, kCmdClosePage, sender, 0);
}

void REraduzizFoodFeltetScreen::Cancel() {
  // A new food is only made on accept: there is nothing to restore.
  if (m_subject == Subject::kCatalogueFood) {
    if (FoodRecord* food = CurrentFood()) food->CopyFrom(backup);
  }
  ScreenSet* screens = m_host.GetScreens();
  if (screens && screens->fastFoodScreen) screens->fastFoodScreen->Refresh();
  ClosePage(kCancelId);
}

EngineString REraduzizFoodFeltetScreen::UniqueName(const CFoodCatalog& catalog, EngineString name, int32_t skipTypeId) {
  bool clash = true;
  while (clash) {
    clash = false;
    for (const auto& type : catalog.restaurantFoodTypes) {
      if (type->id == skipTypeId) continue;
      for (const auto& food : type->foods) {
        if (food->name != name) continue;
        name += kNameSuffix;
        clash = true;
      }
    }
  }
  return name;
}

bool REraduzizFoodFeltetScreen::AddComposedFood(const EngineString& name) {
  CFoodCatalog* catalog = Catalog();
  FoodTypeRecord* type = catalog ? catalog->FindFoodType(m_typeId) : nullptr;
  if (!type) return false;
  auto food = std::make_unique<FoodRecord>();
  food->CopyFrom(foodTemplate);
  food->name = name;
  type->foods.push_back(std::move(food));
  return true;
}

void REraduzizFoodFeltetScreen::Accept() {
  const EngineString typed = nameBox ? nameBox->GetText() : EngineString();
  FoodRecord* food = CurrentFood();
  const CFoodCatalog* catalog = Catalog();
  if (typed.Length() == 0 || !food || !food->OffersTopping() || !catalog) return;
  const bool composing = IsComposing();
  const EngineString name = UniqueName(*catalog, typed, composing ? -1 : m_typeId);
  // A saved park keeps names up to that length.
  if (name.Length() > SceneStream::kMaxStringBytes) return;
  if (composing) {
    if (AddComposedFood(name)) FinishMenuLesson();
  } else {
    food->name = name;
  }
  ScreenSet* screens = m_host.GetScreens();
  if (screens && screens->fastFoodScreen) screens->fastFoodScreen->Refresh();
  ClosePage(kCancelId);
}

void REraduzizFoodFeltetScreen::FinishMenuLesson() {
  ScreenSet* screens = m_host.GetScreens();
  REraduzizTutorialScreen* tutorial = screens ? screens->tutorialScreen.get() : nullptr;
  if (!tutorial || !tutorial->FinishLesson(REraduzizTutorialScreen::kMenuLesson, kMenuLessonDoneText,
                                           &FoodFeltetQuestionCallback, this)) {
    return;
  }
  m_host.ApplyTutorialSettings();
}

void REraduzizFoodFeltetScreen::FoodFeltetQuestionCallback(void* context, int32_t, int32_t tag, int32_t, int32_t) {
  if (!context || tag != REraduzizTutorialScreen::kLessonMessageTag) return;
  ScreenSet* screens = static_cast<REraduzizFoodFeltetScreen*>(context)->m_host.GetScreens();
  if (screens && screens->tutorialScreen) screens->tutorialScreen->NextStep();
}

void REraduzizFoodFeltetScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  switch (command.sender) {
    case kRemoveId:
      ToggleTopping(offeredList, offeredSelection, false);
      break;
    case kOfferId:
      ToggleTopping(availableList, availableSelection, true);
      break;
    case kPriceUpId:
      StepPrice(1);
      break;
    case kPriceDownId:
      StepPrice(-1);
      break;
    case kCancelId:
      Cancel();
      break;
    case kAcceptId:
      Accept();
      break;
    default:
      return;
  }
  command.sender = -1;
}
