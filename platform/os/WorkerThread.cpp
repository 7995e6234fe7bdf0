#include "platform/os/WorkerThread.h"

#include <utility>

namespace plat {

WorkerThread::WorkerThread(std::function<void()> body) : body_(std::move(body)) {
  thread_ = std::thread([this] { Run(); });
}

WorkerThread::~WorkerThread() { Join(); }

void WorkerThread::Resume() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    running_ = true;
  }
  resumed_.notify_one();
}

void WorkerThread::Join() {
  Resume();
  std::lock_guard<std::mutex> lock(joinMutex_);
  // The body joining its own thread would wait for itself.
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

bool WorkerThread::Finished() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return finished_;
}

void WorkerThread::Run() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    resumed_.wait(lock, [this] { return running_; });
  }
  if (body_) body_();
  std::lock_guard<std::mutex> lock(mutex_);
  finished_ = true;
}

}  // namespace plat
