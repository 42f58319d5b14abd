#include "entry/open_entry.h"

#include "core/entry_layout.h"
#include "ui/app.h"

namespace qrv {
namespace {

EntryWindow& ShowOpened(EntryWindow& window, const EntryOpening& opening) {
  const int n = opening.listWindow ? opening.listWindow(window.Handle()) : 1;
  window.onClosed = opening.unlistWindow;
  ScreenSize screen = opening.screen;
  if (screen.width <= 0 || screen.height <= 0) {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    screen = {area.right - area.left, area.bottom - area.top};
  }
  const RECT rc = window.WindowRect();
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  // The cascade is laid out in pixels at 96 DPI; the first window keeps the
  // bar's top exactly, not rounded through 96 DPI and back.
  const auto design = [&window](int pixels) { return ScaleFromDpi(pixels, window.Dpi()); };
  const int barTop = design(opening.barTop);
  const WindowPlace place = EntryWindowPlace(n, design(width), design(height), kDatePanelHeight, barTop,
                                             {design(screen.width), design(screen.height)});
  window.SetWindowRect(window.Scale(place.left), opening.barTop + window.Scale(place.top - barTop), width, height);
  // The window was reset to an empty task as it was made; showing it puts the
  // focus on the subject, its first field.
  window.Show();
  SetForegroundWindow(window.Handle());
  return window;
}

}  // namespace

EntryWindow& OpenEntryWindow(const EntryData& data, EntryActions& actions, const EntryOpening& opening) {
  return ShowOpened(
      Application::Get().CreateForm<EntryWindow>(data, actions, opening.clock ? *opening.clock : SystemClock()),
      opening);
}

ReadyEntryWindow::ReadyEntryWindow(const EntryData& data, EntryActions& actions, const EntryClock& clock)
    : data_(data), actions_(actions), clock_(clock) {}

ReadyEntryWindow::~ReadyEntryWindow() = default;

ReadyEntryWindow::MadeFrom ReadyEntryWindow::Now() const {
  return {data_.settings, data_.webServiceCaptions, data_.journalTypes, data_.iconNoteFound, clock_.Today()};
}

bool ReadyEntryWindow::Ready() const { return window_ && madeFrom_ == Now(); }

void ReadyEntryWindow::Prepare() {
  if (Ready()) return;
  window_.reset();
  madeFrom_ = Now();
  window_ = std::make_unique<EntryWindow>(data_, actions_, clock_);
}

EntryWindow& ReadyEntryWindow::Open(const EntryOpening& opening) {
  if (!Ready()) window_ = std::make_unique<EntryWindow>(data_, actions_, clock_);
  return ShowOpened(Application::Get().Adopt(std::move(window_)), opening);
}

}  // namespace qrv
