#include "platform/gfx/DeviceRecord.h"

namespace plat {

void DeviceRecord::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  events_.clear();
}

void DeviceRecord::Add(RecordEvent event) {
  if (!Enabled()) return;
  std::lock_guard<std::mutex> lock(mutex_);
  events_.push_back(std::move(event));
}

std::vector<RecordEvent> DeviceRecord::Events() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return events_;
}

std::size_t DeviceRecord::Count(EventKind kind) const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::size_t count = 0;
  for (const RecordEvent& e : events_) count += e.kind == kind;
  return count;
}

template <class T>
std::vector<T> DeviceRecord::All() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<T> out;
  for (const RecordEvent& e : events_) {
    if (const T* item = e.Get<T>()) out.push_back(*item);
  }
  return out;
}

std::vector<DrawRecord> DeviceRecord::Draws() const { return All<DrawRecord>(); }

std::vector<TextRecord> DeviceRecord::Texts() const { return All<TextRecord>(); }

std::vector<EffectCall> DeviceRecord::EffectCalls() const { return All<EffectCall>(); }

std::vector<EffectCall> DeviceRecord::EffectSets(std::string_view parameter) const {
  std::vector<EffectCall> out;
  for (EffectCall& call : EffectCalls()) {
    if (call.call == EffectCallKind::SetParameter && call.name == parameter) {
      out.push_back(std::move(call));
    }
  }
  return out;
}

std::vector<std::uint32_t> DeviceRecord::RenderStateValues(RenderState state) const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::uint32_t> out;
  for (const RecordEvent& e : events_) {
    const StateEvent* s = e.Get<StateEvent>();
    if (e.kind == EventKind::RenderState && s && s->key == std::uint32_t(state)) {
      out.push_back(s->value);
    }
  }
  return out;
}

}  // namespace plat
