#pragma once
// The engine log. Nothing adds text to it; at its end it creates the log
// file when missing (appending its empty text otherwise), so an orderly end
// of the program always leaves a "\log.txt" in the start folder.
#include "engine/core/EngineString.h"

class ZOdevuvLog {
 public:
  ZOdevuvLog();
  ~ZOdevuvLog();
  ZOdevuvLog(const ZOdevuvLog&) = delete;
  ZOdevuvLog& operator=(const ZOdevuvLog&) = delete;

  void Open(const EngineString& path, bool enabled);

 private:
  EngineString m_path;
  bool m_enabled = false;
  EngineString m_text;
  bool m_open = false;
};
