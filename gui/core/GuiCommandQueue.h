#pragma once
// The first-in-first-out queue of GUI commands. Any thread may post (park
// events do); the window thread runs the pass and the purge. Records are
// allocated once and never move, so a pointer handed out stays valid until
// the purge that removes its record.
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

#include "gui/core/GuiCommand.h"

class GuiCommandQueue {
 public:
  void Post(const GuiCommand& command);
  std::size_t Size() const;
  // Null when the index is not below the size.
  GuiCommand* At(std::size_t index) const;
  // Drops every consumed command; the others keep their order.
  void RemoveConsumed();
  // Copies of the queued commands, in order (tests, diagnostics).
  std::vector<GuiCommand> Snapshot() const;

 private:
  mutable std::mutex m_mutex;
  std::vector<std::unique_ptr<GuiCommand>> m_commands;
};
