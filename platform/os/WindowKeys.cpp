#include "platform/os/WindowKeys.h"

#include <algorithm>
#include <array>

#include "platform/os/Window.h"

namespace plat {

namespace {

// SDL scancodes (USB HID usage ids) the game can see, with their virtual keys.
struct ScancodeKey {
  int scancode;
  int virtualKey;
};

constexpr ScancodeKey kNamedKeys[] = {
    {40, kVkReturn},  {41, kVkEscape},  {42, kVkBack},   {43, kVkTab},     {44, kVkSpace},
    {45, 0xBD},       {46, 0xBB},       {47, 0xDB},      {48, 0xDD},       {49, 0xDC},
    {50, 0xDC},       {51, 0xBA},       {52, 0xDE},      {53, 0xC0},       {54, 0xBC},
    {55, 0xBE},       {56, 0xBF},       {57, kVkCapital}, {70, 0x2C},      {71, 0x91},
    {72, kVkPause},   {73, kVkInsert},  {74, kVkHome},   {75, kVkPrior},   {76, kVkDelete},
    {77, kVkEnd},     {78, kVkNext},    {79, kVkRight},  {80, kVkLeft},    {81, kVkDown},
    {82, kVkUp},      {83, 0x90},       {84, 0x6F},      {85, 0x6A},       {86, 0x6D},
    {87, 0x6B},       {88, kVkReturn},  {98, kVkNumpad0}, {99, 0x6E},      {100, 0xE2},
    {101, kVkApps},   {224, kVkControl}, {225, kVkShift}, {226, kVkMenu},  {227, kVkLWin},
    {228, kVkControl}, {229, kVkShift}, {230, kVkMenu},  {231, kVkRWin},
};

constexpr int kScancodeA = 4, kScancodeZ = 29;
constexpr int kScancode1 = 30, kScancode0 = 39;
constexpr int kScancodeF1 = 58, kScancodeF12 = 69;
constexpr int kScancodeKp1 = 89, kScancodeKp9 = 97;
constexpr int kScancodeF13 = 104, kScancodeF24 = 115;

std::array<unsigned char, 256> BuildScancodeTable() {
  std::array<unsigned char, 256> table{};
  for (int s = kScancodeA; s <= kScancodeZ; ++s) table[s] = static_cast<unsigned char>('A' + s - kScancodeA);
  for (int s = kScancode1; s < kScancode0; ++s) table[s] = static_cast<unsigned char>('1' + s - kScancode1);
  table[kScancode0] = '0';
  for (int s = kScancodeF1; s <= kScancodeF12; ++s) table[s] = static_cast<unsigned char>(kVkF1 + s - kScancodeF1);
  for (int s = kScancodeF13; s <= kScancodeF24; ++s)
    table[s] = static_cast<unsigned char>(kVkF1 + 12 + s - kScancodeF13);
  for (int s = kScancodeKp1; s <= kScancodeKp9; ++s)
    table[s] = static_cast<unsigned char>(kVkNumpad0 + 1 + s - kScancodeKp1);
  for (const ScancodeKey& k : kNamedKeys) table[k.scancode] = static_cast<unsigned char>(k.virtualKey);
  return table;
}

}  // namespace

int VirtualKeyFromSdl(int scancode, int keycode) {
  if (keycode >= 'a' && keycode <= 'z') return 'A' + keycode - 'a';
  static const std::array<unsigned char, 256> table = BuildScancodeTable();
  if (scancode < 0 || scancode >= static_cast<int>(table.size())) return 0;
  return table[scancode];
}

std::intptr_t KeyMessageLParam(bool down, bool repeat) {
  std::uint32_t bits = 1;
  if (repeat || !down) bits |= 1u << 30;
  if (!down) bits |= 1u << 31;
  return static_cast<std::intptr_t>(bits);
}

std::uintptr_t WheelWParam(int notches, unsigned modifiers) {
  // A burst of notches saturates instead of wrapping round to the other direction.
  constexpr int kMaxNotches = 0x7FFF / kWheelDelta;
  const int clamped = std::clamp(notches, -kMaxNotches, kMaxNotches);
  const auto high = static_cast<std::uint16_t>(static_cast<std::int16_t>(clamped * kWheelDelta));
  return static_cast<std::uintptr_t>(static_cast<std::uint32_t>(high) << 16 | (modifiers & 0xFFFF));
}

}  // namespace plat
