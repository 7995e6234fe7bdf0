// The resource set-up on the window thread, right after the device: the
// camera and the sun, the effects, the render states and the projection,
// the loading-screen and cursor images, the arrow models, the build-base
// markers, the text table, the loading font, the music and the named
// sounds; then the two loading threads.
#include "app/MainObjectResourceTables.h"
#include "app/VAvazadOvurUrovi.h"
#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/media/ZOdevuvMusic.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "engine/render/ZOdevuvText.h"
#include "engine/render/ZOdevuvTexture.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "platform/media/MediaTypes.h"

namespace {

constexpr const char* kTextTable = "\\GuiFiles\\langFile.gui.nl";
constexpr const char* kEffectFolder = "\\effects\\";
constexpr const char* kSoundFolder = "Music\\Effects\\";
constexpr const char* kParkMusic = "Music\\Sound\\porvik_parkmuziek.wav";

// The two camera views; the camera starts in the first, its right axis
// along -x. The first looks from high above the park's south-east corner
// over the entrance, its plaza and the road to the first crossing with its
// rides: the started park of the demo scenes.
constexpr CameraViewRecord kCameraViews[] = {
    {{150.0f, 60.0f, -250.0f}, {-30.0f, 0.0f, -90.0f}, {0.0f, 1.0f, 0.0f}, {}},
    {{8.0f, 8.0f, -8.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {}}};
constexpr plat::Vec3 kCameraRight{-1.0f, 0.0f, 0.0f};

// The sun: a point light high over the park aimed at its middle.
constexpr float kLightLevel = 0.9f;
constexpr plat::Vec3 kSunPosition{10.0f, 500.0f, -10.0f};
constexpr float kSunRange = 10000.0f;
constexpr float kSunCone = 0.7853981852531433f;
constexpr float kColourScale = 255.0f;
// The material colours come from the first vertex colour.
constexpr uint32_t kFirstVertexColour = 1;

// The projection: a quarter of pi vertically, from 1 to 5000.
constexpr float kFieldOfView = 0.7853981852531433f;
constexpr float kNearPlane = 1.0f;
constexpr float kFarPlane = 5000.0f;

constexpr const char* kLoadingImageFiles[VAvazadOvurUrovi::kLoadingImageCount] = {
    "images\\GuiImages\\loadingScreen\\alap.jpg", "images\\GuiImages\\loadingScreen\\nyil_red.png",
    "images\\GuiImages\\loadingScreen\\nyil_orange.png", "images\\GuiImages\\loadingScreen\\nyil_alap.png"};
constexpr const char* kCursorFiles[VAvazadOvurUrovi::kCursorImageCount] = {
    "images\\icons\\cursor32x32.png", "images\\icons\\aso32x32.png", "images\\icons\\nagyito32x32.png",
    "images\\icons\\kulcslyuk64x64.png", "images\\icons\\nagyitoEpulettel_64x64.png"};

constexpr const char* kArrowFolder = "\\objects\\builditems\\arrow\\Arrow_EntranceExit\\";
constexpr const char* kMarkerFiles[2] = {"\\images\\layer\\buildbase_zold.dds", "\\images\\layer\\buildbase_piros.dds"};

// The loading font.
constexpr const char* kLoadingFontFace = "Malvern";
constexpr int32_t kLoadingFontHeight = 26;
constexpr int32_t kLoadingFontWidth = 10;
constexpr int32_t kLoadingFontWeight = 400;

plat::Light Sun(const VAvazadOvurUrovi& game) {
  plat::Light sun;
  sun.type = plat::LightType::Point;
  sun.position = kSunPosition;
  sun.direction = plat::Vec3Normalized(plat::Vec3{0.0f, 0.0f, 0.0f} - kSunPosition);
  sun.diffuse = {game.diffuseRed, game.diffuseGreen, game.diffuseBlue, 1.0f};
  sun.specular = {0.0f, 0.0f, 0.0f, 1.0f};
  sun.ambient = {game.ambientRed, game.ambientGreen, game.ambientBlue, 1.0f};
  sun.range = kSunRange;
  // Light that does not fade with distance.
  sun.attenuation0 = 1.0f;
  sun.theta = sun.phi = kSunCone;
  return sun;
}

uint32_t ColourByte(float level) { return uint32_t(level * kColourScale) & 0xFF; }

ZOdevuvCharacter* LoadArrow(const EngineString& base, const char* name, const char* file) {
  const EngineString folder = base + EngineString(kArrowFolder);
  auto* arrow = new ZOdevuvCharacter;
  arrow->SetName(name);
  arrow->SetSecondName(folder + EngineString(file));
  arrow->SetTextureDirectory(folder + EngineString("textures"));
  arrow->Load(folder + EngineString(file));
  arrow->SetAnimationSet(0);
  return arrow;
}

}  // namespace

void VAvazadOvurUrovi::InitResources() {
  // Once per program run: the loading threads, once started, own the world.
  if (initialLoadingThread) return;
  SetUpCamera();
  SetUpSun();
  LoadEffects();
  SetUpRenderStates();
  LoadScreenImages();
  exitArrow = LoadArrow(baseDirectory, "ARROW_EXIT", "arrow_exit.X");
  entranceArrow = LoadArrow(baseDirectory, "ARROW_ENTRANCE", "arrow_entrance.X");
  LoadBuildBaseMarkers();
  LoadStringTable(baseDirectory + EngineString(kTextTable));
  loadingFont = new ZOdevuvText;
  loadingFont->SetFont(kLoadingFontHeight, kLoadingFontWidth, kLoadingFontWeight, 1, 1, 0, 4, 0, kLoadingFontFace);
  LoadMusicAndSounds();
  videoTexture = new ZOdevuvTexture;
  loadingScreenActive = 1;
  StartLoadingThreads();
  resourcesReady = 1;
}

void VAvazadOvurUrovi::SetUpCamera() {
  cameraViews.assign(std::begin(kCameraViews), std::end(kCameraViews));
  if (!g_camera) return;
  g_camera->SetMode(0);
  g_camera->SetRight(kCameraRight);
  g_camera->LookAt(cameraViews[0].eye, cameraViews[0].target, cameraViews[0].up);
}

void VAvazadOvurUrovi::SetUpSun() {
  ambientRed = ambientGreen = ambientBlue = kLightLevel;
  diffuseRed = diffuseGreen = diffuseBlue = kLightLevel;
  if (g_lights) g_lights->AddLight(Sun(*this), 1);
}

void VAvazadOvurUrovi::LoadEffects() {
  if (!g_device) return;
  const EngineString folder = baseDirectory + EngineString(kEffectFolder);
  for (size_t n = 0; n < kEffectResourceCount; ++n) {
    g_device->LoadEffect(kEffectResources[n].name, folder + EngineString(kEffectResources[n].file), 0);
  }
}

void VAvazadOvurUrovi::SetUpRenderStates() {
  plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
  if (!device) return;
  const uint32_t ambient =
      0xFF000000u | ColourByte(ambientRed) << 16 | ColourByte(ambientGreen) << 8 | ColourByte(ambientBlue);
  device->SetRenderState(plat::RenderState::Ambient, ambient);
  for (plat::RenderState source : {plat::RenderState::AmbientMaterialSource, plat::RenderState::SpecularMaterialSource,
                                   plat::RenderState::EmissiveMaterialSource}) {
    device->SetRenderState(source, kFirstVertexColour);
  }
  device->SetRenderState(plat::RenderState::Lighting, plat::kTrue);
  device->SetRenderState(plat::RenderState::SpecularEnable, plat::kTrue);
  device->SetRenderState(plat::RenderState::AntialiasedLineEnable, plat::kTrue);
  SetAllLights(true);
  ApplyLightFlags();
  const int32_t height = g_device->GetHeight() > 0 ? g_device->GetHeight() : 1;
  plat::MatrixPerspectiveFovLH(&projection, kFieldOfView, float(g_device->GetWidth()) / float(height), kNearPlane,
                               kFarPlane);
  device->SetTransform(plat::TransformType::Projection, projection);
}

void VAvazadOvurUrovi::LoadScreenImages() {
  for (int n = 0; n < kLoadingImageCount; ++n) {
    loadingImages[n] = new ZOdevuvTexture;
    loadingImages[n]->LoadFromFileEx(kLoadingImageFiles[n]);
  }
  for (int n = 0; n < kCursorImageCount; ++n) {
    cursorImages[n] = new ZOdevuvTexture;
    cursorImages[n]->LoadFromFileEx(kCursorFiles[n]);
  }
}

void VAvazadOvurUrovi::LoadBuildBaseMarkers() {
  for (int n = 0; n < 2; ++n) {
    extraTextures[n] = new ZOdevuvTexture;
    extraTextures[n]->LoadFromFile((baseDirectory + EngineString(kMarkerFiles[n])).CStr());
  }
}

void VAvazadOvurUrovi::LoadMusicAndSounds() {
  // Opening starts the music; the intro starts it again when it is over.
  if (g_music && !plat::MediaFailed(g_music->Open(kParkMusic)) && g_music->GetGraph()) g_music->GetGraph()->Stop();
  // Without a sound output the game runs silently.
  if (!g_sound || !g_sound->Init()) return;
  for (size_t n = 0; n < kSoundResourceCount; ++n) {
    const SoundResource& sound = kSoundResources[n];
    const EngineString path = EngineString(kSoundFolder) + EngineString(sound.file);
    if (sound.kind == SoundKind::Looping) g_sound->LoadLoopingSound(path, sound.key);
    else g_sound->LoadSound(path, sound.key, false);
    if (EngineString(sound.key) == kAmbienceSoundKey) g_sound->Stop(sound.key);
  }
}

void VAvazadOvurUrovi::SetAllLights(bool on) {
  if (!g_lights) return;
  for (int n = 0; n < g_lights->GetLightCount(); ++n) g_lights->SetLightEnabled(n, on);
}

void VAvazadOvurUrovi::ApplyLightFlags() {
  plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
  if (!device || !g_lights) return;
  ZOdevuvLightRecord record;
  for (int n = 0; n < g_lights->GetLightCount(); ++n) {
    if (!g_lights->GetLightRecord(n, &record)) continue;
    device->SetLight(uint32_t(n), record.light);
    device->LightEnable(uint32_t(n), record.enabled != 0);
  }
}
