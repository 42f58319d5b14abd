// Finding a running program's controls from outside by their texts and places,
// reading their state, and working them with real mouse and keyboard input.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A visible top-level window of a process with this title, or null; waiting
// for one gives null when it did not come.
HWND FindTitled(DWORD processId, const wchar_t* title);
HWND WaitForTitled(DWORD processId, const wchar_t* title);
// Waits for a message box of a process with this caption; null when none came.
HWND WaitForMessageBox(DWORD processId, const wchar_t* caption);

// A visible control at any depth in a window, of a class ("Button", "Edit"),
// with this text; null when there is none.
HWND FindControl(HWND window, const wchar_t* windowClass, const wchar_t* text);
// The visible controls of a class, from the top down and, in a row, left to right.
std::vector<HWND> ControlsOf(HWND window, const wchar_t* windowClass);
// The visible drop-down lists offering this entry, in the same order.
std::vector<HWND> ListsOffering(HWND window, const wchar_t* entry);
// The first of them, waited for; null when none came.
HWND ListOffering(HWND window, const wchar_t* entry);

// Nothing for a null control.
void ClickControl(HWND control);
// Clicks the tab of a page and waits until it shows.
void ClickTab(HWND tabs, int index);
// Drops the list down with a click, walks to the entry with the arrow keys and
// takes it with Enter.
void ChooseEntry(HWND list, const wchar_t* entry);
std::wstring ChosenEntry(HWND list);
bool Checked(HWND box);
std::wstring TextOf(HWND control);
// Clicks into an edit and types over its text; false when the edit did not
// take the focus or come to hold the text.
bool TypeInto(HWND edit, const std::wstring& text);
// Whether a control of another process has its thread's keyboard focus.
bool HasFocus(HWND control);

// The rows of a list view and the chosen one (-1: none).
int RowCount(HWND grid);
int ChosenRow(HWND grid);
// Chooses a row with a click on it.
void ChooseRow(HWND grid, int row);

}  // namespace e2e
