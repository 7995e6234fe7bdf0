// The world-loading sequence of the initial-loading thread: the land, the
// water, the scene objects, the birds, the object types, the GUI and the
// screens, the foods, the mode scenes, the park events and the scenarios.
// Every step writes its line to the debugger output first; the counted ones
// move the loading bar. A file that cannot be loaded leaves its object
// empty and the sequence goes on.
//
// Textures, targets and models made here are decoded on this thread; the
// device uploads them on the window thread when they are first drawn.
#include <ctime>
#include <iterator>

#include "app/VAvazadOvurUrovi.h"
#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/particles/ParticleEffects.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/CGuiElement.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/foods/CFoodCatalog.h"
#include "park/objects/CAttraction.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Path.h"
#include "world/CBird.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPathFinder.h"
#include "world/CPorvikRoad.h"

namespace {

constexpr const char* kLensFlareFiles[VAvazadOvurUrovi::kLensFlareCount] = {
    "images\\particles\\lens\\lens_001.png", "images\\particles\\lens\\lens_002.png",
    "images\\particles\\lens\\lens_003.png", "images\\particles\\lens\\lens_004.png",
    "images\\particles\\lens\\lens_005.png"};

// The water's two images: square, one level.
constexpr int32_t kWaterImageSide = 512;

constexpr const char* kBirdTextureFolder = "objects\\animals\\textures";
constexpr const char* kBirdModelFiles[VAvazadOvurUrovi::kBirdModelCount] = {
    "objects\\animals\\bird_01.X", "objects\\animals\\bird_02.X", "objects\\animals\\bird_03.X",
    "objects\\animals\\bird_04.X", "objects\\animals\\bird_05.X"};

// The event render window: element 10395's texture as a target of this size.
constexpr int32_t kEventRenderElement = 10395;
constexpr int32_t kEventRenderWidth = 207;
constexpr int32_t kEventRenderHeight = 203;

// The elements the hover test, the loading marker, the video window and
// the two progress captions use.
constexpr int32_t kHoverElementIds[3] = {10433, 10063, 10066};
constexpr int32_t kMarkerElement = 10257;
constexpr int32_t kMarkerTrackElement = 10256;
constexpr int32_t kVideoWindowElement = 10342;
constexpr int32_t kZeroPercentCaption = 10064;
constexpr int32_t kHundredPercentCaption = 10065;
constexpr int32_t kLiteralText = -1;

// The mode scenes; the normal one is the same file at any resolution.
constexpr const char* kNormalModeScene = "\\Scenes\\NormalModeLow.pys";
constexpr const char* kAdvancedModeScene = "\\Scenes\\AdvancedMode.pys";

// The object-type scan counts twice, and the preview once more.
constexpr int kObjectTypeSteps = 2;

void Step(const char* line) { plat::OutputDebugString(line); }

}  // namespace

void VAvazadOvurUrovi::InitClasses() {
  CreateLand();
  CreateWaterAndFlares();
  Step("Load SingleObjects\n");
  LoadSingleObjects();
  Step("Create Birds\n");
  CreateBirds();
  Step("Load Efxs\n");
  LoadObjectTypes();
  Step("Init Gui Elements\n");
  CreateGui();
  AddLoadProgress();
  CreateGameScreens();
  // The statistics' zero records, then the foods: one step each.
  InitLedgerAndFoods();
  AddLoadProgress();
  AddLoadProgress();
  screens->CreatePanels();
  AdoptScreens();
  AddLoadProgress();
  SetModeScenes();
  AddLoadProgress();
  InitParkEvents();
  AddLoadProgress();
  InitScenarios();
  videoWindow = FindElement(kVideoWindowElement);
  AddLoadProgress();
  Step("Init green / cleen cicle window\n");
  SetProgressCaptions();
  AddLoadProgress();
}

void VAvazadOvurUrovi::CreateLand() {
  Step("CHeightMapHandlerClass new\n");
  pathFinder = new CPathFinder(CHeightMapHandlerClass::kCellsPerSide, CHeightMapHandlerClass::kCellsPerSide);
  terrain = new CHeightMapHandlerClass;
  AddLoadProgress();
  Step("LoadHeightMap\n");
  terrain->LoadHeightMap(CHeightMapHandlerClass::kHeightMapFile);
  AddLoadProgress();
  terrain->Init(baseDirectory);
  terrain->LoadAlphaMaps(baseDirectory);
  AddLoadProgress();
  Step("new CPorvikRoad()\n");
  road = new CPorvikRoad(*terrain, baseDirectory.Std());
  LinkCellGrid();
  HookFootpathRebuild();
  AddLoadProgress();
  particleEffects = new ParticleEffects(baseDirectory.CStr());
  AddLoadProgress();
}

void VAvazadOvurUrovi::HookFootpathRebuild() {
  if (!terrain) return;
  CellGridLinks links = terrain->GetCellGridLinks();
  links.rebuildFootpaths = [this] {
    if (road) road->BuildGeometry();
  };
  terrain->SetCellGridLinks(std::move(links));
}

void VAvazadOvurUrovi::CreateWaterAndFlares() {
  Step("Create WaterTextures\n");
  for (ZOdevuvTexture*& texture : waterTextures) texture = new ZOdevuvTexture;
  AddLoadProgress();
  Step("Load WaterTextures\n");
  for (int n = 0; n < kWaterTextureCount; ++n) waterTextures[n]->LoadFromFile(CWaterSurface::kTextureFiles[n]);
  AddLoadProgress();
  Step("Create Flares\n");
  for (ZOdevuvTexture*& texture : lensFlareTextures) texture = new ZOdevuvTexture;
  AddLoadProgress();
  Step("Load Flares\n");
  for (int n = 0; n < kLensFlareCount; ++n) lensFlareTextures[n]->LoadFromFile(kLensFlareFiles[n]);
  Step("CreateTexture reflect and refract text\n");
  reflectionTarget = new ZOdevuvTexture;
  reflectionTarget->CreateBlank(kWaterImageSide, kWaterImageSide, true);
  refractionTarget = new ZOdevuvTexture;
  refractionTarget->CreateBlank(kWaterImageSide, kWaterImageSide, true);
  AddLoadProgress();
}

void VAvazadOvurUrovi::LoadSingleObjects() {
  roadFlag = LoadSingleObject("objects\\builditems\\RoadFlag.xml");
  skyDome = LoadSingleObject("objects\\sky\\SkyDome_800m.xml");
  parkEntrance = LoadSingleObject("objects\\builditems\\Bejarat.xml");
  baseMap = LoadSingleObject("objects\\PK_basemap\\basemap.xml");
  baseTrees = LoadSingleObject("objects\\PK_basemap\\basetree.xml");
}

void VAvazadOvurUrovi::CreateBirds() {
  for (int n = 0; n < kBirdModelCount; ++n) {
    birdModels[n] = new ZOdevuvCharacter;
    birdModels[n]->SetTextureDirectory(kBirdTextureFolder);
    birdModels[n]->Load(kBirdModelFiles[n]);
  }
  for (CBird* bird : CreateBirdFlocks(birdModels, unsigned(std::time(nullptr)))) birds.push_back(bird);
}

void VAvazadOvurUrovi::LoadObjectTypes() {
  LoadObjectDescriptors();
  for (int n = 0; n < kObjectTypeSteps; ++n) AddLoadProgress();
  placementPreview = new CAttraction;
  AddLoadProgress();
}

void VAvazadOvurUrovi::CreateGameScreens() {
  screens->CreateBookAndScreens();
  AddLoadProgress();
  secondFoodCatalog = new CFoodCatalog;
  AddLoadProgress();
  Step("Init eventRenderWindow\n");
  CGuiElement* eventWindow = FindElement(kEventRenderElement);
  eventRenderTexture = eventWindow && eventWindow->record ? eventWindow->record->backgroundTexture.get() : nullptr;
  if (eventRenderTexture) eventRenderTexture->CreateBlank(kEventRenderWidth, kEventRenderHeight, true);
  for (size_t n = 0; n < std::size(kHoverElementIds); ++n) hoverElements[n] = FindElement(kHoverElementIds[n]);
  SetLoadingProgress(0, 0);
}

void VAvazadOvurUrovi::SetModeScenes() {
  normalModeScene = baseDirectory + EngineString(kNormalModeScene);
  advancedModeScene = baseDirectory + EngineString(kAdvancedModeScene);
  thirdModeScene = advancedModeScene;
  // Until the park has its scenes, starting a mode says what is missing.
  for (const EngineString* scene : {&normalModeScene, &advancedModeScene}) {
    if (!plat::FileExists(scene->Std())) plat::OutputDebugString("Missing scene file " + scene->Std() + "\n");
  }
}

void VAvazadOvurUrovi::SetProgressCaptions() {
  captionZeroPercent = FindElement(kZeroPercentCaption);
  captionHundredPercent = FindElement(kHundredPercentCaption);
  auto setLiteral = [](CGuiElement* element, const char* text) {
    auto* caption = dynamic_cast<CGuiStaticText*>(element);
    if (caption) caption->SetText(kLiteralText, text, caption->GetFormat(), caption->GetColour());
  };
  setLiteral(captionZeroPercent, "0%");
  setLiteral(captionHundredPercent, "100%");
}
