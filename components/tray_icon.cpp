#include "components/tray_icon.h"

#include <algorithm>
#include <iterator>

#include "ui/form.h"
#include "ui/menu.h"

namespace qrv {
namespace {

constexpr UINT kRetryMs = 1000;

// Identifiers are the program's own, from 1 up, one per icon for its lifetime.
UINT NextIconId() {
  static UINT lastId = 0;
  return ++lastId;
}

std::wstring CutTip(const std::wstring& tip) {
  std::size_t length = std::min(tip.size(), TrayIcon::kMaxTipLength);
  // Never half a character: a surrogate pair stays whole or goes.
  if (length < tip.size() && length > 0 && IS_HIGH_SURROGATE(tip[length - 1])) --length;
  return tip.substr(0, length);
}

}  // namespace

TrayIcon::TrayIcon(Form& owner, const TrayIconArgs& args)
    : owner_(owner),
      notify_(args.notify ? args.notify : Shell_NotifyIconW),
      tip_(CutTip(args.tip)),
      icon_(args.icon),
      id_(NextIconId()),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      retry_(owner, kRetryMs) {
  retry_.onTimer = [this] { Add(); };
  ownerMessages_.Attach(owner.Handle(), [this](UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    result = 0;
    return OwnerMessage(msg, wp, lp);
  });
}

TrayIcon::~TrayIcon() {
  if (shown_) {
    NOTIFYICONDATAW data = Data(0);
    notify_(NIM_DELETE, &data);
  }
}

void TrayIcon::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active_) {
    Add();
  } else {
    Remove();
  }
}

void TrayIcon::SetTip(const std::wstring& tip) {
  tip_ = CutTip(tip);
  Modify();
}

void TrayIcon::SetIcon(HICON icon) {
  icon_ = icon;
  Modify();
}

void TrayIcon::ShowMenu(PopupMenu& menu, POINT at) {
  SetForegroundWindow(owner_.Handle());
  menu.Popup(owner_, at.x, at.y);
  // Lets the shell see the menu end before the next click on the icon.
  PostMessageW(owner_.Handle(), WM_NULL, 0, 0);
}

bool TrayIcon::OwnerMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kCallbackMessage && wp == id_) {
    MouseMessage(static_cast<UINT>(lp));
    return true;
  }
  if (msg == taskbarCreated_ && taskbarCreated_ != 0 && active_) {
    // A new shell knows no icons: add ours again. The owner hears of it only
    // when the icon could not be put back. Other icons of the window need the
    // message too, so it goes on.
    Add();
  }
  return false;
}

void TrayIcon::MouseMessage(UINT mouseMessage) {
  POINT at{};
  GetCursorPos(&at);
  switch (mouseMessage) {
    case WM_LBUTTONDOWN:
      if (onLeftClick) onLeftClick(at);
      break;
    case WM_RBUTTONDOWN:
      if (onRightClick) onRightClick(at);
      break;
    case WM_LBUTTONDBLCLK:
      if (onDoubleClick) onDoubleClick(at);
      break;
  }
}

void TrayIcon::Add() {
  if (!active_) {
    retry_.SetEnabled(false);
    return;
  }
  NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  // A shell that announces itself while it still holds the icon (Wine's, as
  // its notification area comes up) refuses to add it again: the icon is there
  // when the shell takes a change to it.
  const bool added = data.hIcon && data.hWnd && (notify_(NIM_ADD, &data) || notify_(NIM_MODIFY, &data));
  // Not now: the taskbar may not be there yet. Try again until it is.
  retry_.SetEnabled(!added);
  SetShown(added);
}

void TrayIcon::Remove() {
  retry_.SetEnabled(false);
  if (!shown_) return;
  NOTIFYICONDATAW data = Data(0);
  notify_(NIM_DELETE, &data);
  SetShown(false);
}

void TrayIcon::Modify() {
  if (!shown_) return;
  NOTIFYICONDATAW data = Data(NIF_ICON | NIF_TIP);
  if (!notify_(NIM_MODIFY, &data)) {
    // The shell lost the icon: add it anew.
    SetShown(false);
    Add();
  }
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner_.Handle();
  data.uID = id_;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = IconHandle();
  if (tip_.empty()) flags &= ~static_cast<UINT>(NIF_TIP);
  data.uFlags = flags;
  tip_.copy(data.szTip, std::size(data.szTip) - 1);
  return data;
}

HICON TrayIcon::IconHandle() const {
  if (icon_) return icon_;
  // A program without its own icon still gets one in the notification area.
  if (HICON own = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON")) return own;
  return LoadIconW(nullptr, IDI_APPLICATION);
}

void TrayIcon::SetShown(bool shown) {
  if (shown == shown_) return;
  shown_ = shown;
  if (onShownChange) onShownChange(shown);
}

}  // namespace qrv
