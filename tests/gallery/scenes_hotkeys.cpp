// The hotkey editor with a few rows of each kind of action, and the dialog it
// asks with when a combination is already another row's.
#include <filesystem>

#include "hotkeys/hotkey_conflict_dialog.h"
#include "hotkeys/hotkey_editor.h"
#include "tests/gallery/scene_groups.h"
#include "tests/gallery/scene_support.h"

namespace qrv::gallery {
namespace {

HotkeyRow Row(std::string description, HotkeyAction action, const std::string& combination, int dataIndex = 0,
              std::string text = {}) {
  HotkeyRow row{
      .description = std::move(description), .action = action, .text = std::move(text), .dataIndex = dataIndex};
  SetHotkeyText(row, combination);
  return row;
}

// What the hotkeys reach when pressed: nothing, as no hotkey is pressed here.
HotkeyTargets NoTargets() {
  return {.viewFolder = [](FolderKind) {},
          .newItem = [](EntryType, const std::wstring&) {},
          .newInformationItem = [] {},
          .extraAction = [](ExtraAction) {},
          .menuItem = [](HotkeyAction, int) -> MenuItem* { return nullptr; }};
}

void PlayEditor(const Viewer& viewer, UINT dpi) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("qrv-gallery-hotkeys-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  SaveHotkeyFile(folder, {Row("Notepad", HotkeyAction::kExecuteProgram, "Ctrl+Alt+N", 0, "notepad.exe"),
                          Row("Signature", HotkeyAction::kSendKeystrokes, "Ctrl+Alt+S", 0, "Best regards{ENTER}Anna"),
                          Row("Calendar", HotkeyAction::kOpenOutlookFolder, "Ctrl+Alt+7", 2),
                          Row("New task", HotkeyAction::kCreateOutlookItem, "Ctrl+Alt+K", 0),
                          Row("Shut down", HotkeyAction::kExitWindows, "Ctrl+Alt+F12", 0)});
  {
    HotkeyEditor editor(folder, NoTargets());
    Scale(editor, dpi);
    editor.ShowEditor();
    Pump(80);
    Present(viewer, editor.Handle(), "hotkey-editor", "Hotkey editor: its rows");

    HotkeyConflictDialog conflict(editor);
    Scale(conflict, dpi);
    LookAtNextModal(viewer, Captioned(L"Hotkey definition error"), "hotkey-conflict", "Hotkey editor: a conflict", dpi);
    conflict.Ask(L"Calendar", L"Notepad");
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace

std::vector<Scene> HotkeyScenes() { return {{"Hotkey editor", PlayEditor}}; }

}  // namespace qrv::gallery
