#pragma once
// The run of one started park event, as a machine of steps that the window
// thread advances once a frame on the millisecond tick clock: the event
// camera, a pause, the script, the wait for the event animation, for a
// sneeze its sparkles and fires with a second pause, and at last the event's
// callback, which opens its pop-up. Every step acts on the game from the
// thread that owns it, so nothing here is shared with another thread, and a
// run is cancelled by simply dropping it (the event's reset undoes what the
// steps did).
#include <cstdint>

class ParkEvent;

class EventRun {
 public:
  enum class Step { Camera, Pause, Script, WaitForAnimation, Sneeze, SneezePause, Callback, Done };

  // The pause after the camera step and the length of a sneeze.
  static constexpr uint32_t kStepPauseMs = 2000;
  // The longest wait for the event animation's end.
  static constexpr uint32_t kAnimationWaitLimitMs = 30000;

  EventRun(ParkEvent& event, uint32_t now);
  EventRun(const EventRun&) = delete;
  EventRun& operator=(const EventRun&) = delete;

  // Carries out every step that is due at `now`, in order; true once the
  // callback has been called and the run is over.
  bool Advance(uint32_t now);

  ParkEvent& GetEvent() const { return m_event; }
  Step GetStep() const { return m_step; }

 private:
  // True when the step is done and the next one may follow at once.
  bool RunStep(uint32_t now);
  bool AnimationWaitOver(uint32_t now) const;
  void StartSneeze();
  void EndSneeze();
  void MoveTo(Step step, uint32_t now);

  ParkEvent& m_event;
  Step m_step = Step::Camera;
  uint32_t m_stepStart = 0;
};
