#include "gui/core/GuiCommandQueue.h"

#include <algorithm>

void GuiCommandQueue::Post(const GuiCommand& command) {
  auto record = std::make_unique<GuiCommand>(command);
  std::lock_guard<std::mutex> lock(m_mutex);
  m_commands.push_back(std::move(record));
}

std::size_t GuiCommandQueue::Size() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_commands.size();
}

GuiCommand* GuiCommandQueue::At(std::size_t index) const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return index < m_commands.size() ? m_commands[index].get() : nullptr;
}

void GuiCommandQueue::RemoveConsumed() {
  std::lock_guard<std::mutex> lock(m_mutex);
  std::erase_if(m_commands, [](const auto& command) { return command->IsConsumed(); });
}

std::vector<GuiCommand> GuiCommandQueue::Snapshot() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  std::vector<GuiCommand> copies;
  copies.reserve(m_commands.size());
  for (const auto& command : m_commands) copies.push_back(*command);
  return copies;
}
