#include "tests/gui/kit/GuiTestKit.h"

#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <fstream>

#include "engine/media/SoundManager.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/audio/WavWriter.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/PngWriter.h"

namespace guitest {

const char* const kClickSounds[6] = {"BUTTON_CLICK", "SCROLL_CLICK",  "COMBO_CLICK",
                                     "EDIT_CLICK",   "CHECK_CLICK", "ANIMBUTTON_CLICK"};

namespace {

namespace fs = std::filesystem;

// A buffer that never plays for long: every Play is logged under its
// sound's name, and the next Play finds it free again.
class RecordingBuffer : public plat::SoundBuffer {
 public:
  RecordingBuffer(std::string name, std::shared_ptr<std::vector<std::string>> played)
      : m_name(std::move(name)), m_played(std::move(played)) {}

  bool Play(bool) override {
    m_played->push_back(m_name);
    return true;
  }
  void Stop() override {}
  bool IsPlaying() override { return false; }
  std::uint32_t PositionFrames() override { return 0; }
  bool SetVolume(std::int32_t volume) override {
    m_volume = volume;
    return true;
  }
  std::int32_t Volume() const override { return m_volume; }
  std::unique_ptr<plat::SoundBuffer> Duplicate() const override {
    return std::make_unique<RecordingBuffer>(m_name, m_played);
  }

 private:
  std::string m_name;
  std::shared_ptr<std::vector<std::string>> m_played;
  std::int32_t m_volume = plat::kVolumeFull;
};

// Buffers take the name the kit is loading at the moment.
class RecordingAudioDevice : public plat::AudioDevice {
 public:
  explicit RecordingAudioDevice(std::shared_ptr<std::vector<std::string>> played) : m_played(std::move(played)) {}

  bool IsLive() const override { return false; }
  std::unique_ptr<plat::SoundBuffer> CreateBuffer(const plat::PcmFormat&, std::span<const std::uint8_t>) override {
    return std::make_unique<RecordingBuffer>(loading, m_played);
  }
  bool SetListener(const plat::ListenerSettings& settings) override {
    m_listener = settings;
    return true;
  }
  const plat::ListenerSettings& Listener() const override { return m_listener; }

  std::string loading;

 private:
  std::shared_ptr<std::vector<std::string>> m_played;
  plat::ListenerSettings m_listener;
};

fs::path NewKitFolder() {
  static std::atomic<int> counter{0};
  fs::path dir = fs::temp_directory_path() /
                 ("halvenor_gui_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
  fs::create_directories(dir);
  return dir;
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

GuiTestKit::GuiTestKit() : m_dir(NewKitFolder()), m_played(std::make_shared<std::vector<std::string>>()) {
  ::setenv("HALVENOR_HEADLESS", "1", 1);
  plat::SetClock(&m_clock);
  m_device = std::make_unique<ZOdevuvDevice>(nullptr);
  m_device->InitEngineDevice(kScreenWidth, kScreenHeight, 32, 1, 1);
  AddFixedFont(9, 9, "Arial");

  m_sound = std::make_unique<SoundManager>(nullptr);
  auto audio = std::make_unique<RecordingAudioDevice>(m_played);
  RecordingAudioDevice* recorder = audio.get();
  m_sound->Init(std::move(audio));
  const fs::path wav = m_dir / "click.wav";
  WriteBytes(wav, plat::WritePcmWav({1, 1000, 16}, std::vector<std::uint8_t>(20, 0)));
  for (const char* name : kClickSounds) {
    recorder->loading = name;
    m_sound->LoadSound(wav.string().c_str(), name, false);
  }

  m_gui = std::make_unique<CGuiMainClass>();
}

GuiTestKit::~GuiTestKit() {
  m_gui.reset();
  m_sound.reset();
  m_device.reset();
  plat::SetClock(nullptr);
  std::error_code ignored;
  fs::remove_all(m_dir, ignored);
}

plat::Device& GuiTestKit::Device() { return *m_device->GetDevice(); }

const std::vector<std::string>& GuiTestKit::Sounds() const { return *m_played; }

void GuiTestKit::ClearSounds() { m_played->clear(); }

EngineString GuiTestKit::Image(const std::string& name, int32_t width, int32_t height) {
  const fs::path path = m_dir / name;
  const std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height), 0xFF808080u);
  plat::WritePngFile(path.string(), width, height, pixels.data());
  return path.string().c_str();
}

void GuiTestKit::AddFixedFont(int32_t charWidth, int32_t pointSize, const char* face) {
  plat::FontDesc desc;
  desc.height = kLineHeight;
  desc.width = kCharWidth;
  desc.face = face;
  // No raster: the font measures with the fixed metric.
  m_device->AddFont(charWidth, pointSize, face,
                    std::make_shared<plat::Font>(m_device->GetSharedDevice(), desc, nullptr));
}

bool GuiTestKit::Route(unsigned message, int32_t x, int32_t y, std::uintptr_t wParam) {
  plat::Message routed;
  routed.message = message;
  routed.wParam = wParam;
  routed.lParam = gui::PointParam(x, y);
  return m_gui->RouteMessage(&routed, 0);
}

void GuiTestKit::SendMouse(unsigned message, std::uintptr_t held) {
  if (Route(message, mouse.x, mouse.y, held)) return;
  plat::Message untaken;
  untaken.message = message;
  untaken.wParam = held;
  untaken.lParam = gui::PointParam(mouse.x, mouse.y);
  worldMessages.push_back(untaken);
}

void GuiTestKit::SendButton(bool down, bool& wasDown, unsigned downMessage, unsigned upMessage,
                            std::uintptr_t held) {
  if (down) {
    SendMouse(downMessage, held);
  } else if (wasDown) {
    SendMouse(upMessage, held);
  }
  wasDown = down;
}

void GuiTestKit::RunFrame() {
  for (int32_t key : keys) {
    plat::Message keyDown;
    keyDown.message = gui::kKeyDown;
    keyDown.wParam = std::uintptr_t(key);
    m_gui->RouteMessage(&keyDown, 0);
  }
  keys.clear();

  m_gui->UpdateLayers();
  Device().BeginScene();
  m_gui->DrawLayers();
  Device().EndScene();

  const std::uintptr_t held = (mouse.left ? gui::kHeldLeft : 0) | (mouse.right ? gui::kHeldRight : 0) |
                              (mouse.middle ? gui::kHeldMiddle : 0);
  if (mouse.x != m_sent.x || mouse.y != m_sent.y) {
    m_sent.x = mouse.x;
    m_sent.y = mouse.y;
    SendMouse(gui::kMouseMove, held);
  }
  SendButton(mouse.left, m_sent.left, gui::kLeftDown, gui::kLeftUp, held);
  SendButton(mouse.right, m_sent.right, gui::kRightDown, gui::kRightUp, held);
  SendButton(mouse.middle, m_sent.middle, gui::kMiddleDown, gui::kMiddleUp, held);

  m_gui->RunCommandPass(mainHandler);
  m_gui->RemoveDoneCommands();
}

// RecordingElement

bool RecordingElement::HandleMessage(const plat::Message* message, uint8_t flag) {
  if (message) messages.push_back(message->message);
  if (journal) journal->push_back(name);
  const bool childTook = CGuiElement::HandleMessage(message, flag);
  if (childTook || !message || !IsVisible()) return childTook;
  const bool inside =
      message->message == gui::kKeyDown || ContainsPoint(gui::MessageX(*message), gui::MessageY(*message));
  for (unsigned taken : takes) {
    if (taken == message->message) return inside;
  }
  return false;
}

void RecordingElement::Log(const char* operation, const GuiCommand* command) {
  calls.push_back(std::string(operation) + (command ? "(cmd)" : ""));
}

void RecordingElement::Enable(GuiCommand* command) {
  Log("Enable", command);
  CGuiElement::Enable(command);
}

void RecordingElement::Disable(GuiCommand* command) {
  Log("Disable", command);
  CGuiElement::Disable(command);
}

void RecordingElement::Show(GuiCommand* command) {
  Log("Show", command);
  CGuiElement::Show(command);
}

void RecordingElement::Hide(GuiCommand* command) {
  Log("Hide", command);
  CGuiElement::Hide(command);
}

void RecordingElement::OnLeftDown(GuiCommand* command) {
  Log("OnLeftDown", command);
  CGuiElement::OnLeftDown(command);
}

void RecordingElement::OnClick(GuiCommand* command) {
  Log("OnClick", command);
  CGuiElement::OnClick(command);
}

void RecordingElement::OnDoubleClick(GuiCommand* command) {
  Log("OnDoubleClick", command);
  CGuiElement::OnDoubleClick(command);
}

void RecordingElement::OnRightDown(GuiCommand* command) {
  Log("OnRightDown", command);
  CGuiElement::OnRightDown(command);
}

void RecordingElement::OnRightClick(GuiCommand* command) {
  Log("OnRightClick", command);
  CGuiElement::OnRightClick(command);
}

void RecordingElement::OnRightDoubleClick(GuiCommand* command) {
  Log("OnRightDoubleClick", command);
  CGuiElement::OnRightDoubleClick(command);
}

void RecordingElement::ScrollUp(GuiCommand* command) { Log("ScrollUp", command); }

void RecordingElement::ScrollDown(GuiCommand* command) { Log("ScrollDown", command); }

void RecordingElement::OnCommand18(GuiCommand* command) { Log("OnCommand18", command); }

void RecordingElement::ScrollTo(GuiCommand* command) { Log("ScrollTo", command); }

void RecordingElement::OnCommand20(GuiCommand* command) { Log("OnCommand20", command); }

void RecordingElement::OnGainFocus(GuiCommand* command) {
  Log("OnGainFocus", command);
  CGuiElement::OnGainFocus(command);
}

void RecordingElement::OnLoseFocus(GuiCommand* command) {
  Log("OnLoseFocus", command);
  CGuiElement::OnLoseFocus(command);
}

void RecordingElement::OnCommand23(GuiCommand* command) { Log("OnCommand23", command); }

void RecordingElement::OnSelect(GuiCommand* command) { Log("OnSelect", command); }

void RecordingElement::Update() {
  Log("Update", nullptr);
  CGuiElement::Update();
}

}  // namespace guitest
