#include "ui/timer.h"

#include "ui/form.h"

namespace ui {

Timer::Timer(Form& owner, std::wstring name, UINT_PTR id, UINT interval)
    : owner_(owner), name_(std::move(name)), id_(id), interval_(interval) {}

Timer::~Timer() {
  if (running_) KillTimer(owner_.Handle(), id_);
}

void Timer::SetInterval(UINT ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Update();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void Timer::Update() {
  if (running_) KillTimer(owner_.Handle(), id_);
  running_ = enabled_ && interval_ > 0 && SetTimer(owner_.Handle(), id_, interval_, nullptr) != 0;
}

}  // namespace ui
