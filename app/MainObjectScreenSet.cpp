// The main object's side of the in-game screens: it creates them while the
// world loads, hands them the GUI commands its own handler leaves, and
// forwards the status refreshes and the hide-all to them.
#include <string>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/core/XmlNode.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/loader/CGuiXmlLoader.h"
#include "platform/os/Path.h"

namespace {

constexpr const char* kDefinesFile = "\\guifiles\\guidefines.h";

}  // namespace

EngineString VAvazadOvurUrovi::GuiDescriptionFor(int32_t width, int32_t height) {
  EngineString file;
  file.Format("\\guifiles\\GuiXML_%dx%d.xml", width, height);
  return file;
}

void VAvazadOvurUrovi::LoadGuiDescription(CGuiXmlLoader& loader) {
  // The description laid out for the device's screen size, when the park
  // has one; else the standard one.
  const EngineString scaled =
      g_device ? GuiDescriptionFor(g_device->GetWidth(), g_device->GetHeight()) : EngineString();
  if (scaled.Length() == 0 || !plat::FileExists((baseDirectory + scaled).Std())) {
    loader.Load();
    return;
  }
  loader.SetWorkingDirectory(baseDirectory);
  loader.ReadDefines(baseDirectory + EngineString(kDefinesFile));
  loader.LoadFromNode(XmlNode::OpenFileHelper((baseDirectory + scaled).CStr(), "GUI"));
}

void VAvazadOvurUrovi::CreateScreens() {
  screens->CreateAll();
  AdoptScreens();
}

void VAvazadOvurUrovi::AdoptScreens() {
  buildBook = screens->buildBook.get();
  buffetScreen = screens->buffetScreen.get();
  fastFoodScreen = screens->fastFoodScreen.get();
  restaurantScreen = screens->restaurantScreen.get();
  foodFeltetScreen = screens->foodFeltetScreen.get();
  summaryScreen = screens->summaryScreen.get();
  ticketScreen = screens->ticketScreen.get();
  shopScreen = screens->shopScreen.get();
  staffScreen = screens->staffScreen.get();
  repairEventScreen = screens->repairEventScreen.get();
  builUpgScreen = screens->builUpgScreen.get();
  upgradeScreen = screens->upgradeScreen.get();
  speedWindow = screens->speedWindow.get();
  kioskScreen = screens->kioskScreen.get();
  optionsScreen = screens->optionsScreen.get();
  statisticScreen = screens->statisticScreen.get();
  hotMealScreen = screens->hotMealScreen.get();
  pickOneScreen = screens->pickOneScreen.get();
  pickFiveScreen = screens->pickFiveScreen.get();
  pickFourScreen = screens->pickFourScreen.get();
  tutorialScreen = screens->tutorialScreen.get();
  objectWindow = screens->objectWindow.get();
  messageWindow = screens->messageWindow.get();
  scenarioWindow = screens->scenarioWindow.get();
}

void VAvazadOvurUrovi::ChangeText() { screens->ChangeText(); }

void VAvazadOvurUrovi::RefreshCashDisplay() { screens->RefreshCashDisplay(); }

void VAvazadOvurUrovi::RefreshStatusDisplay() { screens->RefreshStatusDisplay(); }

void VAvazadOvurUrovi::RefreshStatusAfterChange() { screens->RefreshStatusAfterChange(); }

void VAvazadOvurUrovi::HideGameScreens() { screens->HideAll(); }

void VAvazadOvurUrovi::OfferToScreens(GuiCommand* command) {
  if (screens->OfferExclusive(*command)) return;
  screens->RouteToScreens(*command);
}
