// The files second instances hand to the running bar. The sender waits until
// the bar has taken the path, so the path is read at once and the file served
// only once the message has returned: an import's window and report never keep
// the second instance waiting.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/form.h"

namespace qrv {

class HandOffQueue {
 public:
  // Hand-offs reach `bar`'s window; each handed path goes to `serve` once the
  // message that brought it has returned.
  HandOffQueue(Form& bar, std::function<void(const std::wstring& path)> serve);

  // Handles the hand-off message and the queue's own; false for any other message.
  bool HandleMessage(UINT msg, WPARAM wp);

 private:
  void Receive(WPARAM atom);
  void ServeHanded();
  static constexpr UINT kServeHandedFiles = WM_APP + 40;

  Form& bar_;
  std::function<void(const std::wstring&)> serve_;
  std::vector<std::wstring> handed_;  // read from hand-offs, served next
};

// The file the bar was started with, as its long path; none when the command
// line names none, or names a folder or nothing that exists (a first instance
// acts only on its start-up arguments).
std::optional<std::wstring> StartFileArgument(const std::vector<std::string>& args);

}  // namespace qrv
