#pragma once
// What GUI, application and screen tests share: a headless GUI manager over
// a headless device whose default label font has fixed metrics, a sound
// manager that records what it is asked to play, a fake clock, images of
// any size written on demand, and RunFrame(), which performs one frame in
// the application's order with a scriptable main command handler.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/core/GuiMessages.h"
#include "platform/os/Clock.h"
#include "platform/os/Window.h"

class SoundManager;
class ZOdevuvDevice;
namespace plat {
class Device;
}

namespace guitest {

// The default label font (Arial, 9 points, width 9) measures every
// character this wide and every line this high.
constexpr int32_t kCharWidth = 10;
constexpr int32_t kLineHeight = 14;
constexpr int32_t kScreenWidth = 1024;
constexpr int32_t kScreenHeight = 768;

// The click sounds of the widgets, loaded into the recording sound manager.
extern const char* const kClickSounds[6];

struct MouseState {
  int32_t x = 0;
  int32_t y = 0;
  bool left = false;
  bool right = false;
  bool middle = false;
};

// An element that logs the operations it receives ("Enable", "OnClick" ...,
// with "(cmd)" when a command came along) and the messages offered to it,
// and takes the messages it is told to.
class RecordingElement : public CGuiElement {
 public:
  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  void Enable(GuiCommand* command) override;
  void Disable(GuiCommand* command) override;
  void Show(GuiCommand* command) override;
  void Hide(GuiCommand* command) override;
  void OnLeftDown(GuiCommand* command) override;
  void OnClick(GuiCommand* command) override;
  void OnDoubleClick(GuiCommand* command) override;
  void OnRightDown(GuiCommand* command) override;
  void OnRightClick(GuiCommand* command) override;
  void OnRightDoubleClick(GuiCommand* command) override;
  void ScrollUp(GuiCommand* command) override;
  void ScrollDown(GuiCommand* command) override;
  void OnCommand18(GuiCommand* command) override;
  void ScrollTo(GuiCommand* command) override;
  void OnCommand20(GuiCommand* command) override;
  void OnGainFocus(GuiCommand* command) override;
  void OnLoseFocus(GuiCommand* command) override;
  void OnCommand23(GuiCommand* command) override;
  void OnSelect(GuiCommand* command) override;
  void Update() override;

  std::vector<std::string> calls;
  std::vector<unsigned> messages;
  // When set, every message offered appends `name` here, so tests can read
  // the order in which elements were asked.
  std::vector<std::string>* journal = nullptr;
  std::string name;
  // Messages that this element takes (after its children had their turn)
  // when the pointer is inside it; key downs wherever it is.
  std::vector<unsigned> takes;

 private:
  void Log(const char* operation, const GuiCommand* command);
};

class GuiTestKit {
 public:
  GuiTestKit();
  ~GuiTestKit();
  GuiTestKit(const GuiTestKit&) = delete;
  GuiTestKit& operator=(const GuiTestKit&) = delete;

  CGuiMainClass& Gui() { return *m_gui; }
  plat::FakeClock& Clock() { return m_clock; }
  plat::Device& Device();
  SoundManager& Sound() { return *m_sound; }

  // The names played since the start or the last ClearSounds, in order.
  const std::vector<std::string>& Sounds() const;
  void ClearSounds();
  // Writes a PNG of that size into the kit's folder; returns its path.
  EngineString Image(const std::string& name, int32_t width, int32_t height);
  // Gives labels with this font fixed metrics too (the default one has them).
  void AddFixedFont(int32_t charWidth, int32_t pointSize, const char* face);

  // A new element of type T made with CreateSized under the parent (x, y
  // relative to it; null parent: a new active layer of that id).
  template <class T = RecordingElement>
  T* Add(CGuiElement* parent, int32_t id, int32_t x, int32_t y, int32_t width, int32_t height,
         int32_t type = 0, int32_t cellCount = 0) {
    auto* element = new T();
    element->CreateSized(parent, id, type, x, y, width, height, cellCount, 1, 1);
    if (parent) {
      parent->AddChild(element);
    } else {
      m_gui->AddLayer(id, 1, element, 0);
    }
    return element;
  }

  // One frame in the application's order: the key downs of `keys` (as the
  // window procedure routes them), the GUI update, the GUI drawn in a scene,
  // the mouse messages made from `mouse` (a move when the position changed;
  // each held button's down message every frame, its up message once on
  // release; wParam = the buttons held, lParam = y << 16 | x), the command
  // pass with `mainHandler`, then the purge. Mouse messages that no layer
  // takes are appended to `worldMessages`.
  void RunFrame();
  // Routes one message as the application does; false when no layer took it.
  bool Route(unsigned message, int32_t x, int32_t y, std::uintptr_t wParam = 0);

  MouseState mouse;
  std::vector<int32_t> keys;
  std::function<void(GuiCommand*)> mainHandler;
  std::vector<plat::Message> worldMessages;

 private:
  void SendMouse(unsigned message, std::uintptr_t held);
  void SendButton(bool down, bool& wasDown, unsigned downMessage, unsigned upMessage, std::uintptr_t held);

  std::filesystem::path m_dir;
  plat::FakeClock m_clock;
  std::unique_ptr<ZOdevuvDevice> m_device;
  std::unique_ptr<SoundManager> m_sound;
  std::shared_ptr<std::vector<std::string>> m_played;
  std::unique_ptr<CGuiMainClass> m_gui;
  MouseState m_sent;
};

}  // namespace guitest
