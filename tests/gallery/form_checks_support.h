// What the form checks share: the controls of a form as a user sees them,
// where they lie in the form, and the message loop for a moment.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace qrv::checks {

std::wstring WindowText(HWND window);
std::wstring ClassOf(HWND window);
// A developer's word for a control: "check box", "label", "combo box" ...
std::string KindOf(HWND control);
// A group box: a frame drawn around controls that are its siblings.
bool IsFrame(HWND control);
// A window's rectangle in the client coordinates of the form.
RECT RectInForm(HWND form, HWND window);
// The part of it inside every parent's client area.
RECT VisibleRect(HWND form, HWND control);
// Every shown control of the form, its containers' controls included, parents first.
std::vector<HWND> VisibleControls(HWND form);
// Runs the application's message loop for a moment.
void Settle(DWORD ms = 30);

}  // namespace qrv::checks
