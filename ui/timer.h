// A timer of a form: fires OnTimer every Interval milliseconds while enabled.
// An interval of 0 means off (the system would otherwise fire it at once and
// again every few milliseconds). Enabling it, or changing the interval of an
// enabled timer, starts the interval anew.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

class Form;

class Timer {
 public:
  Timer(Form& owner, std::wstring name, UINT_PTR id, UINT interval);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::wstring& Name() const { return name_; }
  UINT_PTR Id() const { return id_; }
  UINT Interval() const { return interval_; }
  void SetInterval(UINT ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Whether the system timer is running.
  bool Running() const { return running_; }

  std::function<void(Timer&)> OnTimer;

 private:
  void Update();
  Form& owner_;
  std::wstring name_;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_ = false;
  bool running_ = false;
};

}  // namespace ui
