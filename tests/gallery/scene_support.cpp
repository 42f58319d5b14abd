#include "tests/gallery/scene_support.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <system_error>

#include "core/keyword_file.h"
#include "tests/win/ui_test_support.h"
#include "ui/app.h"
#include "ui/gdi.h"
#include "ui/program_file.h"

namespace qrv::gallery {
namespace {

constexpr UINT kLookIntervalMs = 30;
constexpr int kLookTries = 100;  // three seconds

struct PendingLook {
  std::function<HWND()> find;
  std::function<void(HWND)> look;
  std::function<void(HWND)> dismiss;
  int triesLeft = kLookTries;
};
std::unique_ptr<PendingLook> gPending;

void CALLBACK LookWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!gPending) {
    KillTimer(nullptr, timer);
    return;
  }
  const HWND window = gPending->find();
  if (!window && --gPending->triesLeft > 0) return;
  KillTimer(nullptr, timer);
  const auto pending = std::move(gPending);
  if (!window) return;
  // Nothing may leave a timer; the window is dismissed whatever the viewer did, so the loop ends.
  try {
    pending->look(window);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "a look failed: %s\n", e.what());
  }
  pending->dismiss(window);
}

}  // namespace

void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    Application::Get().ProcessMessages();
    Sleep(5);
  } while (GetTickCount() < end);
}

void Scale(Form& form, UINT dpi) {
  if (dpi) form.ApplyDpi(dpi);
}

void Present(const Viewer& viewer, HWND window, const std::string& name, const std::string& title, bool ourForm) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  if (ourForm) SetForegroundWindow(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  Pump(60);
  viewer({.name = name, .title = title, .window = window, .ourForm = ourForm});
}

void AddIconPictures(ImageList& pictures, int count) {
  constexpr COLORREF kColours[] = {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 40, 200), RGB(200, 160, 0)};
  WindowDc screen(nullptr);
  for (int i = 0; i < count; ++i) {
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 16, 16));
    MemoryDc memory(screen.Get());
    {
      SelectedObject selected(memory.Get(), bitmap.Get());
      OwnedBrush brush(CreateSolidBrush(kColours[i % 4]));
      const RECT all{0, 0, 16, 16};
      FillRect(memory.Get(), &all, brush.Get());
    }
    pictures.Add(bitmap.Get());
  }
}

KeywordFileBeside::KeywordFileBeside() {
  const auto file = ProgramFolder() / std::string(kKeywordFileName);
  std::error_code error;
  if (std::filesystem::exists(file, error)) return;
  placed_ = std::filesystem::copy_file(QRV_FACTORY_KEYWORD_FILE, file, error);
}

KeywordFileBeside::~KeywordFileBeside() {
  std::error_code ignored;
  if (placed_) std::filesystem::remove(ProgramFolder() / std::string(kKeywordFileName), ignored);
}

Form* FormOf(HWND window) {
  auto* object = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return object ? dynamic_cast<Form*>(object) : nullptr;
}

HWND ShownWindowOfClass(const wchar_t* className) {
  return testing::FindThreadWindow([className](HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return std::wstring(name) == className;
  });
}

HWND ShownWindowCaptioned(const wchar_t* caption) {
  return testing::FindThreadWindow([caption](HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return std::wstring(text) == caption;
  });
}

void WhenShown(std::function<HWND()> find, std::function<void(HWND)> look, std::function<void(HWND)> dismiss) {
  gPending = std::make_unique<PendingLook>(PendingLook{std::move(find), std::move(look), std::move(dismiss)});
  SetTimer(nullptr, 0, kLookIntervalMs, LookWhenShown);
}

void LookAtNextBox(const Viewer& viewer, const std::string& name, const std::string& title, int button,
                   const std::function<void()>& then) {
  WhenShown([] { return ShownWindowOfClass(L"#32770"); }, [=](HWND box) { Present(viewer, box, name, title, false); },
            [=](HWND box) {
              PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
              if (then) then();
            });
}

void LookAtNextMenu(const Viewer& viewer, const std::string& name, const std::string& title) {
  WhenShown([] { return ShownWindowOfClass(L"#32768"); }, [=](HWND menu) { Present(viewer, menu, name, title, false); },
            [](HWND) { EndMenu(); });
}

void LookAtNextModal(const Viewer& viewer, std::function<HWND()> find, const std::string& name,
                     const std::string& title, UINT dpi) {
  WhenShown(
      std::move(find),
      [=](HWND window) {
        if (Form* form = FormOf(window)) Scale(*form, dpi);
        Present(viewer, window, name, title);
      },
      [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); });
}

std::function<HWND()> Captioned(const wchar_t* caption) {
  return [wanted = std::wstring(caption)] { return ShownWindowCaptioned(wanted.c_str()); };
}

std::function<HWND()> OwnedBy(HWND owner) {
  return [owner] {
    return testing::FindThreadWindow([owner](HWND window) { return GetWindow(window, GW_OWNER) == owner; });
  };
}

int ShownWindowsOfThread() {
  int shown = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM count) -> BOOL {
        if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  return shown;
}

}  // namespace qrv::gallery
