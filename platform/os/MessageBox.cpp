#include "platform/os/MessageBox.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace plat {

namespace {

std::mutex g_mutex;
std::vector<MessageBoxCall> g_recorded;
MessageBoxPresenter g_presenter;

}  // namespace

int MessageBox(std::string_view text, std::string_view caption, unsigned style) {
  MessageBoxCall call{std::string(text), std::string(caption), style};
  MessageBoxPresenter presenter;
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_recorded.push_back(call);
    presenter = g_presenter;
  }
  // A real dialog blocks; it must not hold the lock other threads record under.
  if (presenter) return presenter(call);
  std::fprintf(stderr, "[%s] %s\n", call.caption.c_str(), call.text.c_str());
  std::fflush(stderr);
  return kIdOk;
}

std::vector<MessageBoxCall> RecordedMessageBoxes() {
  std::lock_guard<std::mutex> lock(g_mutex);
  return g_recorded;
}

void ClearMessageBoxes() {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_recorded.clear();
}

void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_presenter = std::move(presenter);
}

}  // namespace plat
