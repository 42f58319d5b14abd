// The timers of a form: each takes an id of the form's window as it is made,
// and a WM_TIMER runs the timer it names.
#pragma once

#include <windows.h>

#include <vector>

namespace qrv {

class Timer;

class FormTimers {
 public:
  // The id the timer runs under.
  UINT_PTR Add(Timer& timer);
  void Remove(Timer& timer);
  // Runs the timer a WM_TIMER names, if it is still there and running.
  void Run(UINT_PTR id);

 private:
  std::vector<Timer*> timers_;
  UINT_PTR nextId_ = 1;
};

}  // namespace qrv
