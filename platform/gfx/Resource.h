#pragma once
// What every device resource shares: an id and a change counter that a live
// backend compares against what it uploaded, and a slot where that backend
// keeps its own object for the resource.
//
// Resources do not refer to the device that made them, so one may outlive the
// device safely; they are created from any thread, and only the window thread
// touches the backend slot.
#include <atomic>
#include <cstdint>
#include <memory>

namespace plat {

// A backend's per-resource object (a GL name and the generation it uploaded).
class BackendResource {
 public:
  virtual ~BackendResource() = default;
};

class Resource {
 public:
  virtual ~Resource() = default;
  Resource(const Resource&) = delete;
  Resource& operator=(const Resource&) = delete;

  std::uint64_t Id() const { return id_; }
  // Grows whenever the CPU-side content changes.
  std::uint64_t Generation() const { return generation_.load(std::memory_order_acquire); }

  BackendResource* BackendData() const { return backend_.get(); }
  void SetBackendData(std::unique_ptr<BackendResource> data) { backend_ = std::move(data); }

 protected:
  Resource();
  void MarkChanged() { generation_.fetch_add(1, std::memory_order_acq_rel); }

 private:
  std::uint64_t id_;
  std::atomic<std::uint64_t> generation_{1};
  std::unique_ptr<BackendResource> backend_;
};

}  // namespace plat
