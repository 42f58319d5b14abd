// The hotkey editor beside a real bar with the stand-in Outlook, its hotkey
// file in the test's folder, driven by the keys a user presses.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bar_fixture.h"
#include "hotkeys/hotkey_editor.h"
#include "ui_test_support.h"

namespace qrv::testing {

// A row of the hotkey file.
inline HotkeyRow Row(std::string description, HotkeyAction action, const std::string& combination, int dataIndex = 0,
                     std::string text = {}) {
  HotkeyRow row{
      .description = std::move(description), .action = action, .text = std::move(text), .dataIndex = dataIndex};
  SetHotkeyText(row, combination);
  return row;
}

class HotkeyTest : public BarTest {
 protected:
  void TearDown() override {
    editor_.reset();
    SetFileAttributesW(File(L"prefs-qrv.hkd").c_str(), FILE_ATTRIBUTE_NORMAL);
    for (const wchar_t* name : {L"prefs-qrv.hkd", L"prefs-qrv.ini"}) DeleteFileW(File(name).c_str());
    BarTest::TearDown();
  }

  std::filesystem::path Folder() const { return std::filesystem::path(qrv::Widen(FolderPath())); }
  std::wstring File(const wchar_t* name) const { return (Folder() / name).wstring(); }
  void WriteRows(const std::vector<HotkeyRow>& rows) { ASSERT_TRUE(SaveHotkeyFile(Folder(), rows).saved); }
  std::string FileBytes() const {
    std::ifstream in(File(L"prefs-qrv.hkd").c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  HotkeyEditor& OpenEditor() {
    editor_ = std::make_unique<HotkeyEditor>(Folder(), bar_->ForHotkeys());
    editor_->ShowEditor();
    Pump(100);
    return *editor_;
  }

  // The hotkey text the bar menu shows beside an item.
  std::wstring MenuHotkey(const std::wstring& text) const {
    for (const MenuItem* item : bar_->Menu().Popup().Items())
      if (item->text == text) return item->hotkeyText;
    return L"(no such item)";
  }

  // A press of the hotkey registered at `index`, as the system reports it.
  void Press(int index) {
    PostMessageW(editor_->Actions().Hotkeys().WindowHandle(), WM_HOTKEY, static_cast<WPARAM>(index), 0);
    Pump(150);
  }

  std::unique_ptr<HotkeyEditor> editor_;
};

// Alt with a letter: the mnemonic of a label or button.
inline void Alt(WORD letter) { PressKeys({letter}, VK_MENU); }

// Types lower-case letters and digits.
inline void Type(const std::string& text) {
  for (char c : text) PressKeys({static_cast<WORD>(std::toupper(static_cast<unsigned char>(c)))});
}

// The window of the editor's control with this text (a check box or button).
inline HWND ControlNamed(const Form& form, const wchar_t* text) {
  return FindWindowExW(form.Handle(), nullptr, L"Button", text);
}

}  // namespace qrv::testing
