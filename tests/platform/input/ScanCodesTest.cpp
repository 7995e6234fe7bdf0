#include "platform/input/ScanCodes.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The window library numbers keys by their USB HID usage id.
constexpr int kHidA = 4, kHidZ = 29, kHid1 = 30, kHid0 = 39, kHidF1 = 58, kHidF12 = 69;
constexpr int kHidKp1 = 89, kHidKp0 = 98, kHidF24 = 115, kHidCount = 512;

struct KnownKey {
  int hid;
  int expected;
};

// The codes the game's key handling is written against.
TEST(ScanCodes, MapsTheKeysTheGameReadsToTheGamesNumbers) {
  const KnownKey keys[] = {
      {41, 1},    // Escape
      {kHid1, 2}, {kHid0, 11}, {20, 16},  // 1, 0, Q
      {26, 17},   {4, 30},     {22, 31},  {7, 32},  // W A S D
      {224, 29},  {228, 157},  // left and right Ctrl
      {82, 200},  {80, 203},   {79, 205}, {81, 208},  // up, left, right, down
      {44, 57},   {40, 28},    // Space, Enter
      {kHidF1, 59}, {67, 68},  {68, 87},  {kHidF12, 88},  // F1, F10, F11, F12
      {225, 42},  {229, 54},   {226, 56}, {230, 184},  // shifts and Alts
      {88, 156},  {76, 211},   {78, 209},  // keypad Enter, Delete, Page Down
      {kHidKp0, 82}, {84, 181}, {227, 219},  // keypad 0, keypad /, left Windows
  };
  for (const KnownKey& key : keys) {
    EXPECT_EQ(plat::ScanCodeFromSdl(key.hid), key.expected) << "HID usage " << key.hid;
  }
}

TEST(ScanCodes, LettersDigitsAndFunctionKeysGetDistinctCodes) {
  std::set<int> seen;
  auto expectNew = [&seen](int hid) {
    const int code = plat::ScanCodeFromSdl(hid);
    EXPECT_NE(code, plat::kKeyNone) << "HID usage " << hid;
    EXPECT_TRUE(seen.insert(code).second) << "HID usage " << hid << " repeats code " << code;
  };
  for (int hid = kHidA; hid <= kHidZ; ++hid) expectNew(hid);
  for (int hid = kHid1; hid <= kHid0; ++hid) expectNew(hid);
  for (int hid = kHidF1; hid <= kHidF12; ++hid) expectNew(hid);
  for (int hid = kHidKp1; hid <= kHidKp0; ++hid) expectNew(hid);
}

TEST(ScanCodes, UnknownAndOutOfRangeScancodesGiveNoKey) {
  for (int hid : {0, kHidF24, -1, kHidCount, 100000}) {
    EXPECT_EQ(plat::ScanCodeFromSdl(hid), plat::kKeyNone) << hid;
  }
}

}  // namespace
