#include "platform/os/DebugOutput.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>

namespace plat {

namespace {

std::mutex g_mutex;
std::function<void(std::string_view)> g_sink;

bool EchoToStderr() {
  const char* flag = std::getenv("HALVENOR_DEBUG_OUTPUT");
  return flag && *flag && std::strcmp(flag, "0") != 0;
}

}  // namespace

void OutputDebugString(std::string_view text) {
  std::function<void(std::string_view)> sink;
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    sink = g_sink;
  }
  // Called outside the lock so that a sink may itself write debug output.
  if (sink) sink(text);
  if (EchoToStderr()) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
  }
}

void SetDebugOutputSink(std::function<void(std::string_view)> sink) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_sink = std::move(sink);
}

}  // namespace plat
