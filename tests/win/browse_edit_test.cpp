// The edit box with a browse button, typed into and clicked as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "components/browse_edit.h"
#include "ui/form.h"
#include "ui_test_support.h"

namespace {

using qrv::testing::ClickOn;
using qrv::testing::Key;
using qrv::testing::PressKeys;
using qrv::testing::Pump;

class BrowseForm : public qrv::Form {
 public:
  BrowseForm() : Form({.caption = L"browse", .clientSize = {240, 80}}) {}
  qrv::BrowseEdit edit{*this, {.bounds = {8, 8, 100, 21}, .dialogTitle = L"Select Program to Run"}};
};

void PutOnClipboard(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

TEST(BrowseEdit, NeverTakesALineBreakTypedPastedOrSet) {
  BrowseForm form;
  form.Show();
  SetForegroundWindow(form.Handle());
  form.edit.Focus();
  PressKeys({'A'});
  PressKeys({VK_RETURN});
  PressKeys({VK_RETURN}, VK_CONTROL);
  PressKeys({'B'});
  // Ctrl+Enter reaches the box as a line feed of its own.
  SendMessageW(form.edit.Handle(), WM_CHAR, L'\n', 0);
  SendMessageW(form.edit.Handle(), WM_CHAR, L'\r', 0);
  EXPECT_EQ(form.edit.Text(), L"ab");

  PutOnClipboard(form.Handle(), L"\r\nc:\\tools\\run.exe\r\n--fast\n");
  PressKeys({'V'}, VK_CONTROL);
  EXPECT_EQ(form.edit.Text(), L"abc:\\tools\\run.exe --fast");
  // A clipboard without text leaves the selection in place.
  ASSERT_TRUE(OpenClipboard(form.Handle()));
  EmptyClipboard();
  CloseClipboard();
  SendMessageW(form.edit.Handle(), EM_SETSEL, 0, -1);
  PressKeys({'V'}, VK_CONTROL);
  EXPECT_EQ(form.edit.Text(), L"abc:\\tools\\run.exe --fast");

  form.edit.SetText(L"one\r\ntwo");
  EXPECT_EQ(form.edit.Text(), L"one two");
  EXPECT_EQ(qrv::OneLine(L"\n\n"), L"");
}

TEST(BrowseEdit, TheButtonSitsInsideTheRightEdgeAndPutsTheChosenFileIn) {
  BrowseForm form;
  form.Show();
  RECT client{}, button{};
  GetClientRect(form.edit.Handle(), &client);
  GetWindowRect(form.edit.ButtonHandle(), &button);
  MapWindowPoints(nullptr, form.edit.Handle(), reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(button.left, client.right - 16);
  EXPECT_EQ(button.right - button.left, 16);
  EXPECT_EQ(button.bottom - button.top, client.bottom);

  std::wstring offered;
  std::optional<std::wstring> answer;
  int changes = 0;
  form.edit.onChange = [&] { ++changes; };
  form.edit.chooseFile = [&](const std::wstring& current) {
    offered = current;
    return answer;
  };
  form.edit.SetText(L"notepad.exe");
  ClickOn(form.edit.ButtonHandle());  // cancelled
  EXPECT_EQ(offered, L"notepad.exe");
  EXPECT_EQ(form.edit.Text(), L"notepad.exe");
  EXPECT_EQ(changes, 0);

  answer = L"C:\\Program Files\\tool.exe";
  ClickOn(form.edit.ButtonHandle());
  EXPECT_EQ(form.edit.Text(), L"C:\\Program Files\\tool.exe");
  EXPECT_GE(changes, 1);
  DWORD start = 0, end = 0;
  SendMessageW(form.edit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 25u);
  EXPECT_TRUE(form.edit.Focused());
}

}  // namespace
