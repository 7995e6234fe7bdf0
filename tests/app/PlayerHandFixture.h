#pragma once
// The main object as the player's hand meets it: the engine on the headless
// device with its input singleton over the shared input source, a land whose
// east half (x > 0) is high ground and whose west half lies under water, a
// camera looking down on the park's middle, and a small catalogue of build
// items. The mouse is moved through the input source to world points.
// DemoGuiFixture adds the demo park's GUI, clicked with the mouse.
// DemoPagesFixture is the demo park's GUI without the hand: its controls are
// pressed through the commands a click posts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/input/ZOdevuvInput.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "platform/gfx/DdsCodec.h"
#include "platform/gfx/Device.h"
#include "platform/input/InputSource.h"
#include "platform/math/Math.h"
#include "platform/os/Path.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPathFinder.h"

namespace playerhand {

constexpr int kMapSide = 16;
constexpr uint8_t kHighGround = 160;  // 6.1 units high
constexpr uint8_t kLowGround = 64;    // under the water
constexpr int32_t kScreenWidth = 800;
constexpr int32_t kScreenHeight = 600;

// Cells well inside the high and the low half.
constexpr int32_t kHighI = 80, kLowI = 40, kMiddleJ = 64;

inline plat::Vec3 CellCentre(int32_t i, int32_t j) { return {float(i) * 4 - 256, 0, float(j) * 4 - 256}; }

// The GUI's queued commands, as the main loop runs them after its input.
inline void RunGuiCommands(VAvazadOvurUrovi& game) {
  game.RunQueuedGuiCommands();
  game.RemoveDoneGuiCommands();
}

// The clicks on the controls, each in a frame of its own, then a frame for
// the pages they posted.
template <class RunFrame>
void PressEach(VAvazadOvurUrovi& game, std::initializer_list<int32_t> controls, RunFrame frame) {
  for (int32_t control : controls) {
    game.PostCommand(control, -1, kCmdClick, 0, 0);
    frame();
  }
  frame();
}

inline bool IsShown(VAvazadOvurUrovi& game, int32_t id) {
  const CGuiElement* element = game.FindElement(id);
  return element && element->IsVisible();
}

class PlayerHandFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    Source().Reset();
    m_previous = std::filesystem::current_path();
    std::string folder = (std::filesystem::temp_directory_path() / "halvenor-hand-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    m_folder = folder;
    std::filesystem::current_path(UseDemoPark() ? std::filesystem::path(HALVENOR_PARK_DIR) : m_folder);
    plat::ClearPathCache();
    game = MakeGame();
    game->Init(nullptr, plat::ProcessInstance());
    game->InitDevice(kScreenWidth, kScreenHeight, 32, 1);
    ASSERT_NE(g_input, nullptr);
    ASSERT_EQ(g_input->Init(nullptr, 0, 0, 1, 0), plat::InputResult::Ok);
    BuildLand();
    AimCamera();
    game->initialLoadingStarted = 0;
    game->playMode = 1;
    game->simulationHalted = 0;
    // The first poll acquires the mouse; movement before it is not seen.
    game->PollInput();
  }

  void TearDown() override {
    game->terrain = nullptr;
    game->pathFinder = nullptr;
    game.reset();
    terrain.reset();
    Source().Reset();
    std::filesystem::current_path(m_previous);
    plat::ClearPathCache();
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
  }

  static plat::InputSource& Source() { return plat::InputSource::Shared(); }
  virtual std::unique_ptr<VAvazadOvurUrovi> MakeGame() { return std::make_unique<VAvazadOvurUrovi>(); }
  // The game's folder is the demo park (with its GUI description), not an
  // empty one.
  virtual bool UseDemoPark() const { return false; }

  // A type of the catalogue; the build item's price comes with its choice.
  ObjectTypeDescriptor& AddType(const char* name, int32_t kind, int32_t placeX, int32_t placeY) {
    auto type = std::make_unique<ObjectTypeDescriptor>();
    type->name = name;
    type->objType = kind;
    type->placeX = placeX;
    type->placeY = placeY;
    ObjectTypeDescriptor& added = *type;
    game->objectTypes.Add(std::move(type));
    return added;
  }

  // The preview holds the named type, as the build book leaves it.
  void ChooseBuildItem(int32_t index, int32_t price) {
    if (!game->placementPreview) game->placementPreview = new CAttraction;  // the game frees it
    ASSERT_TRUE(game->SelectBuildItem(uint32_t(index), price));
    game->placingItem = 1;
  }

  // Where the world point shows on the screen, rounded to the cursor's steps.
  VAvazadOvurUrovi::ScreenPoint ScreenPointOf(const plat::Vec3& world) {
    plat::Device& device = *g_device->GetDevice();
    plat::Matrix view, identity;
    g_camera->GetViewMatrix(&view);
    plat::MatrixIdentity(&identity);
    plat::Vec3 screen;
    plat::Vec3Project(&screen, world, device.GetViewport(), device.GetTransform(plat::TransformType::Projection),
                      view, identity);
    const auto even = [](float v) { return int32_t(std::lround(v / 2.0f)) * 2; };
    return {even(screen.x), even(screen.y)};
  }

  // Moves the mouse so that the cursor stands over the world point (or
  // the screen point, to within a pixel).
  void MoveMouseTo(const plat::Vec3& world) {
    MoveMouseToScreen(ScreenPointOf({world.x, terrain->GetHeight(world), world.z}));
  }
  void MoveMouseToScreen(VAvazadOvurUrovi::ScreenPoint target) {
    const VAvazadOvurUrovi::ScreenPoint now = game->GetCursorPosition();
    Source().MoveMouse((target.x - now.x) / 2, (target.y - now.y) / 2);
  }

  // One frame of input and commands, as the main loop runs them.
  void Frame() {
    game->PollInput();
    RunGuiCommands(*game);
  }
  void Press(std::initializer_list<int32_t> controls) {
    PressEach(*game, controls, [this] { Frame(); });
  }
  void Press(int32_t control) { Press({control}); }
  bool IsShown(int32_t id) const { return playerhand::IsShown(*game, id); }

  void Click(int button) {
    Source().SetMouseButton(button, true);
    Frame();
    Source().SetMouseButton(button, false);
    Frame();
  }

  int32_t CellObject(int32_t i, int32_t j) const {
    int32_t id = -1;
    terrain->GetCellObjectId(i, j, id);
    return id;
  }

  // The scratch folder the test runs in (unless it runs in the demo park).
  const std::filesystem::path& Folder() const { return m_folder; }

  std::unique_ptr<VAvazadOvurUrovi> game;
  std::unique_ptr<CHeightMapHandlerClass> terrain;
  std::unique_ptr<CPathFinder> finder;

 private:
  void BuildLand() {
    plat::Image image;
    image.format = plat::Format::A8R8G8B8;
    image.width = image.height = kMapSide;
    plat::ImageLevel level;
    level.width = level.height = kMapSide;
    level.pitch = plat::RowPitch(image.format, kMapSide);
    level.bytes.resize(size_t(level.pitch) * kMapSide);
    for (int y = 0; y < kMapSide; ++y) {
      for (int x = 0; x < kMapSide; ++x) {
        uint8_t* texel = &level.bytes[size_t(y) * level.pitch + size_t(x) * 4];
        const uint8_t grey = x >= kMapSide / 2 ? kHighGround : kLowGround;
        texel[0] = texel[1] = texel[2] = grey;
        texel[3] = 255;
      }
    }
    image.levels.push_back(level);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(plat::EncodeDds(image, bytes));
    const std::string path = (m_folder / "land.dds").string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                std::streamsize(bytes.size()));
    terrain = std::make_unique<CHeightMapHandlerClass>();
    ASSERT_TRUE(terrain->LoadHeightMap(path.c_str()));
    terrain->Init(m_folder.string().c_str());
    finder = std::make_unique<CPathFinder>(CHeightMapHandlerClass::kCellsPerSide, CHeightMapHandlerClass::kCellsPerSide);
    game->terrain = terrain.get();
    game->pathFinder = finder.get();
    game->LinkCellGrid();
    ASSERT_GT(terrain->GetHeight(CellCentre(kHighI, kMiddleJ)), 1.1f);
    ASSERT_LT(terrain->GetHeight(CellCentre(kLowI, kMiddleJ)), 1.1f);
  }

  void AimCamera() {
    plat::Matrix projection;
    plat::MatrixPerspectiveFovLH(&projection, 0.7853982f, float(kScreenWidth) / kScreenHeight, 1.0f, 2000.0f);
    g_device->GetDevice()->SetTransform(plat::TransformType::Projection, projection);
    g_camera->LookAt({0, 400, -1}, {0, 0, 0}, {0, 1, 0});
  }

  std::filesystem::path m_previous;
  std::filesystem::path m_folder;
};

// The same hand over the demo park's GUI and screens, the game not yet
// started: the player clicks the GUI's elements with the mouse.
class DemoGuiFixture : public PlayerHandFixture {
 protected:
  static constexpr int kLeft = 0, kRight = 1, kMiddle = 2;

  bool UseDemoPark() const override { return true; }
  void SetUp() override {
    PlayerHandFixture::SetUp();
    game->LoadStringTable(game->baseDirectory + "\\GuiFiles\\langFile.gui.nl");
    game->CreateGui();
    game->CreateScreens();
    game->playMode = 0;
  }

  // A left click on the middle of the element, as the player makes it.
  void ClickElement(int32_t id) {
    const CGuiElement* element = game->FindElement(id);
    ASSERT_NE(element, nullptr) << id;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    element->GetRect(left, top, right, bottom);
    ASSERT_TRUE(element->IsVisible()) << id;
    MoveMouseToScreen({(left + right) / 2, (top + bottom) / 2});
    Frame();
    Click(kLeft);
    Frame();  // the commands the click posted run
  }

  // From the main menu, as the game opens on it, into a free game.
  void StartFreeGame() {
    game->PostCommand(-1, 10001, kCmdShowPage, 10002, 0);
    Frame();
    ClickElement(10002);  // New game
    ClickElement(10025);  // Free play
    ASSERT_EQ(game->playMode, 1);
  }
};

// The demo park's GUI and screens over the engine's headless device, the
// game running: no window, no input, no land.
class DemoPagesFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    device_->InitEngineDevice(kScreenWidth, kScreenHeight, 32, 0, 1);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(HALVENOR_PARK_DIR);
    plat::ClearPathCache();
    game_ = std::make_unique<VAvazadOvurUrovi>();
    game_->LoadStringTable(game_->baseDirectory + "\\GuiFiles\\langFile.gui.nl");
    game_->CreateGui();
    game_->CreateScreens();
    game_->ChangeText();
    game_->playMode = 1;
  }
  void TearDown() override {
    // The device goes before the game, which would otherwise free it as its own.
    device_.reset();
    g_shadowMapSurface.reset();
    g_shadowDepthSurface.reset();
    game_.reset();
    std::filesystem::current_path(previous_);
    plat::ClearPathCache();
  }

  void Frame() { RunGuiCommands(*game_); }
  void Press(std::initializer_list<int32_t> controls) {
    PressEach(*game_, controls, [this] { Frame(); });
  }
  bool IsShown(int32_t id) { return playerhand::IsShown(*game_, id); }
  std::string Text(int32_t id) {
    auto* text = dynamic_cast<CGuiStaticText*>(game_->FindElement(id));
    return text ? text->GetText().Std() : "<missing>";
  }

  std::unique_ptr<ZOdevuvDevice> device_ = std::make_unique<ZOdevuvDevice>(nullptr);
  std::unique_ptr<VAvazadOvurUrovi> game_;

 private:
  std::filesystem::path previous_;
};

}  // namespace playerhand
