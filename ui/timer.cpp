#include "ui/timer.h"

#include "ui/form.h"

namespace qrv {

Timer::Timer(Form& owner, UINT interval, bool enabled)
    : owner_(owner), id_(owner.Timers().Add(*this)), interval_(interval), enabled_(enabled) {
  Update();
}

Timer::~Timer() {
  if (running_ && owner_.Handle()) KillTimer(owner_.Handle(), id_);
  owner_.Timers().Remove(*this);
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

}  // namespace qrv
