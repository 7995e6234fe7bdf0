#pragma once
// Blocking message boxes ("XML Parsing error", "Model Load Error", ...).
// Headless, a box is recorded and printed to stderr and answers kIdOk; the live
// backend installs a presenter that shows a real dialog.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbIconError = 0x10;
constexpr unsigned kMbTopmost = 0x40000;
constexpr int kIdOk = 1;

struct MessageBoxCall {
  std::string text;
  std::string caption;
  unsigned style;
};

int MessageBox(std::string_view text, std::string_view caption, unsigned style);

// Every box shown since the last ClearMessageBoxes (thread-safe copy).
std::vector<MessageBoxCall> RecordedMessageBoxes();
void ClearMessageBoxes();

// The live backend shows real dialogs through this; nullptr restores headless.
using MessageBoxPresenter = std::function<int(const MessageBoxCall&)>;
void SetMessageBoxPresenter(MessageBoxPresenter presenter);

}  // namespace plat
