#pragma once
// Worker threads as the game uses them: created suspended, resumed, and joined
// at shutdown before anything they touch is destroyed.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace plat {

class WorkerThread {
 public:
  explicit WorkerThread(std::function<void()> body);  // created suspended
  ~WorkerThread();                                     // joins
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  void Resume();   // lets the body run; a second call does nothing
  void Join();     // waits for the body; resumes first if still suspended
  bool Finished() const;

 private:
  void Run();  // the thread's own function: waits for Resume, runs the body

  std::function<void()> body_;
  mutable std::mutex mutex_;
  std::mutex joinMutex_;  // one joiner at a time
  std::condition_variable resumed_;
  bool running_ = false;
  bool finished_ = false;
  std::thread thread_;
};

}  // namespace plat
