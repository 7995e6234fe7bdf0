// Keyboard and mouse, polled once a frame: the keys move the camera, the
// mouse's movement and buttons become window messages that the GUI sees
// first and the land's mouse handler gets when no element takes them.
#include <cmath>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/input/ZOdevuvInput.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/GuiMessages.h"
#include "platform/input/ScanCodes.h"

namespace {

constexpr float kCameraStep = 2.0f;
// The camera stays over this square of the park (inclusive).
constexpr float kCameraBound = 250.0f;
// The cursor moves by this many pixels per unit of mouse movement.
constexpr int32_t kCursorSpeed = 2;

enum ButtonIndex { kLeft = 0, kRight = 1, kMiddle = 2 };

struct ButtonMessages {
  unsigned down;
  unsigned up;
};
constexpr ButtonMessages kButtonMessages[VAvazadOvurUrovi::kMouseButtonCount] = {
    {gui::kLeftDown, gui::kLeftUp}, {gui::kRightDown, gui::kRightUp}, {gui::kMiddleDown, gui::kMiddleUp}};

bool CameraInBounds() {
  const plat::Vec3& at = g_camera->position;
  return std::fabs(at.x) <= kCameraBound && std::fabs(at.z) <= kCameraBound;
}

// Walks (or strafes) by the step, and back when the camera left its square.
void MoveCamera(void (ZOdevuvCamera::*move)(float), float step) {
  (g_camera->*move)(step);
  if (!CameraInBounds()) (g_camera->*move)(-step);
}

// The three rules, in this order: a release lasts one frame, a press holds,
// a held button that is up is released.
void UpdateButton(VAvazadOvurUrovi::ButtonState& state, bool down) {
  if (!down && state.released) state.released = 0;
  if (down && !state.held) {
    state.held = 1;
    state.released = 0;
  }
  if (!down && state.held) {
    state.released = 1;
    state.held = 0;
  }
}

}  // namespace

VAvazadOvurUrovi::ScreenPoint VAvazadOvurUrovi::ClampScreenPosition() {
  if (!g_input) return cursor;
  g_input->PollMouse();
  const ZOdevuvMouseState& mouse = g_input->MouseState();
  const int32_t width = g_device ? g_device->GetWidth() : 0;
  const int32_t height = g_device ? g_device->GetHeight() : 0;
  const int64_t x = int64_t(cursor.x) + int64_t(mouse.dx) * kCursorSpeed;
  const int64_t y = int64_t(cursor.y) + int64_t(mouse.dy) * kCursorSpeed;
  if (x >= 0 && x <= width) cursor.x = int32_t(x);
  if (y >= 0 && y <= height) cursor.y = int32_t(y);
  return cursor;
}

void VAvazadOvurUrovi::PollInput() {
  controlKeyDown = 0;
  if (!g_input) return;
  if (!initialLoadingStarted.load()) PollKeyboard();
  const ScreenPoint at = ClampScreenPosition();
  if (initialLoadingStarted.load()) return;
  const ZOdevuvMouseState& mouse = g_input->MouseState();
  UpdateButton(buttons[kLeft], mouse.left != 0);
  UpdateButton(buttons[kRight], mouse.right != 0);
  UpdateButton(buttons[kMiddle], mouse.middle != 0);
  const uint32_t lParam = uint32_t(gui::PointParam(at.x, at.y));
  if (at.x != lastSentCursor.x || at.y != lastSentCursor.y) {
    lastSentCursor = at;
    // A move reaches the land even under a modal screen, so that a drag or
    // the preview follows the cursor everywhere.
    if (!OfferMouseMessage(gui::kMouseMove, lParam)) OnMouseMessage(gui::kMouseMove, 0, lParam);
  }
  for (int button = kLeft; button < kMouseButtonCount; ++button) SendButtonMessages(button, lParam);
}

void VAvazadOvurUrovi::PollKeyboard() {
  if (!g_input->Poll(pressedKeys)) return;
  for (int code : pressedKeys) {
    if (code == plat::kKeyLControl || code == plat::kKeyRControl) controlKeyDown = 1;
    if (modalScreenOpen || !g_camera) continue;
    if (code == plat::kKeyW) MoveCamera(&ZOdevuvCamera::Walk, kCameraStep);
    if (code == plat::kKeyS) MoveCamera(&ZOdevuvCamera::Walk, -kCameraStep);
    if (code == plat::kKeyA) MoveCamera(&ZOdevuvCamera::Strafe, -kCameraStep);
    if (code == plat::kKeyD) MoveCamera(&ZOdevuvCamera::Strafe, kCameraStep);
  }
}

uint32_t VAvazadOvurUrovi::HeldButtons() const {
  uint32_t held = 0;
  if (buttons[kLeft].held) held |= gui::kHeldLeft;
  if (buttons[kRight].held) held |= gui::kHeldRight;
  if (buttons[kMiddle].held) held |= gui::kHeldMiddle;
  return held;
}

bool VAvazadOvurUrovi::OfferMouseMessage(unsigned message, uint32_t lParam) {
  plat::Message record;
  record.window = g_device ? g_device->GetWindow() : nullptr;
  record.message = message;
  record.wParam = HeldButtons();
  record.lParam = lParam;
  return RouteMessage(&record, 0);
}

void VAvazadOvurUrovi::SendButtonMessages(int button, uint32_t lParam) {
  const ButtonState& state = buttons[button];
  if (!state.held && !state.released) return;
  const unsigned message = state.held ? kButtonMessages[button].down : kButtonMessages[button].up;
  // A left release ends a drag even over the GUI; the handler hears it once.
  const bool dragEnds = button == kLeft && state.released;
  if (dragEnds) OnMouseMessage(message, 0, lParam);
  const bool taken = OfferMouseMessage(message, lParam);
  if (dragEnds || taken || modalScreenOpen || IsModalScreenOpen()) return;
  OnMouseMessage(message, 0, lParam);
}
