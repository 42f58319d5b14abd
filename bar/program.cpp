#include "bar/program.h"

#include <utility>

#include "bar/bar_window.h"
#include "hotkeys/hotkey_editor.h"
#include "ui/app.h"
#include "ui/program_file.h"

namespace qrv {

Program::Program(std::vector<std::string> args) : args_(std::move(args)) {
  parts_.mapi.Load();  // Simple MAPI, when the system has it; the program runs without it
}

void Program::Run() {
  auto& app = Application::Get();
  app.Initialize(L"Quorvel");
  auto& bar = app.CreateForm<BarWindow>(parts_.data, parts_.outlook, parts_.entryActions, args_);
  auto& hotkeyEditor = app.CreateForm<HotkeyEditor>(ProgramFolder(), bar.ForHotkeys());
  bar.showHotkeyEditor = [&hotkeyEditor] { hotkeyEditor.ShowEditor(); };
  bar.Launch();
  app.Run();
}

}  // namespace qrv
