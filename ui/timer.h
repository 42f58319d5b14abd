// A timer of a form, kept as a member: fires onTimer every interval while
// enabled. An interval of 0 means off (the system would otherwise fire it at
// once and again every few milliseconds). Enabling it, or changing the interval
// of an enabled timer, starts the interval anew.
#pragma once

#include <windows.h>

#include <functional>

namespace qrv {

class Form;

class Timer {
 public:
  Timer(Form& owner, UINT interval, bool enabled = false);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void SetInterval(UINT ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Whether the system timer is running.
  bool Running() const { return running_; }
  UINT_PTR Id() const { return id_; }

  std::function<void()> onTimer;

 private:
  void Update();
  Form& owner_;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_;
  bool running_ = false;
};

}  // namespace qrv
