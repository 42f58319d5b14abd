#include "bar/hand_off_queue.h"

#include <utility>

#include "bar/instance.h"
#include "core/command_line.h"
#include "ui/dialogs.h"
#include "ui/wide.h"

namespace qrv {

HandOffQueue::HandOffQueue(Form& bar, std::function<void(const std::wstring& path)> serve)
    : bar_(bar), serve_(std::move(serve)) {}

bool HandOffQueue::HandleMessage(UINT msg, WPARAM wp) {
  if (msg == HandOffMessage()) {
    Receive(wp);
    return true;
  }
  if (msg == kServeHandedFiles) {
    ServeHanded();
    return true;
  }
  return false;
}

void HandOffQueue::Receive(WPARAM atom) {
  Guarded(bar_.Handle(), [&] {
    if (const auto path = TakeHandedPath(atom)) {
      handed_.push_back(*path);
      PostMessageW(bar_.Handle(), kServeHandedFiles, 0, 0);
    }
  });
}

void HandOffQueue::ServeHanded() {
  Guarded(bar_.Handle(), [&] {
    for (const auto& path : std::exchange(handed_, {})) serve_(path);
  });
}

std::optional<std::wstring> StartFileArgument(const std::vector<std::string>& args) {
  const auto file = HandedFileArgument(args);
  if (!file) return std::nullopt;
  try {
    const std::wstring path = ExpandLongFileName(Widen(*file));
    if (!(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY)) return path;
  } catch (const std::exception&) {
    // Not a file.
  }
  return std::nullopt;
}

}  // namespace qrv
