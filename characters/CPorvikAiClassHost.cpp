#include "characters/CPorvikAiClassHost.h"

#include <atomic>

namespace {

// Installed before the loading thread starts and removed after it ended.
std::atomic<CPorvikAiClassHost*> g_host{nullptr};

}  // namespace

CPorvikAiClassHost* CPorvikAiClassHost::Get() { return g_host.load(); }

void CPorvikAiClassHost::Install(CPorvikAiClassHost* host) { g_host.store(host); }
