#include "ui/form_timers.h"

#include <algorithm>

#include "ui/timer.h"

namespace qrv {

UINT_PTR FormTimers::Add(Timer& timer) {
  timers_.push_back(&timer);
  return nextId_++;
}

void FormTimers::Remove(Timer& timer) { std::erase(timers_, &timer); }

// A handler may free timers: each one is looked up again before it runs.
void FormTimers::Run(UINT_PTR id) {
  for (Timer* timer : std::vector<Timer*>(timers_)) {
    if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end()) continue;
    if (timer->Id() == id && timer->Running() && timer->onTimer) timer->onTimer();
  }
}

}  // namespace qrv
