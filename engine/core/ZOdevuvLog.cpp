#include "engine/core/ZOdevuvLog.h"

#include <cstdio>

#include "engine/core/Globals.h"
#include "platform/os/Path.h"

ZOdevuvLog::ZOdevuvLog() { g_log = this; }

ZOdevuvLog::~ZOdevuvLog() {
  if (m_enabled && m_open) {
    // A log that cannot be written is not worth stopping the program for.
    if (std::FILE* file = plat::OpenFile(m_path.Std(), "a+")) {
      std::fwrite(m_text.Std().data(), 1, m_text.Std().size(), file);
      std::fclose(file);
    }
  }
  if (g_log == this) g_log = nullptr;
}

void ZOdevuvLog::Open(const EngineString& path, bool enabled) {
  m_path = path;
  m_enabled = enabled;
  m_open = true;
}
