// The gallery: plays every scene at the system's DPI and keeps what the screen
// shows of each look, as a bitmap named after the look in the folder given on
// the command line, with a list of the looks (name, title, group, one a line,
// separated by tabs) in looks.txt there for the index tools/shots.sh writes.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bar/instance.h"
#include "components/ole_auto.h"
#include "components/windows_system.h"
#include "tests/gallery/scene_support.h"
#include "tests/gallery/scenes.h"
#include "ui/app.h"
#include "ui/form.h"
#include "ui/gdi.h"
#include "ui/wide.h"

namespace {

// Writes the screen's pixels under a rectangle as a 24-bit bitmap file.
bool SaveScreenPart(const RECT& part, const std::filesystem::path& file) {
  const int width = part.right - part.left, height = part.bottom - part.top;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
  {
    qrv::WindowDc screen(nullptr);
    qrv::MemoryDc memory(screen.Get());
    qrv::OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    qrv::SelectedObject selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), part.left, part.top, SRCCOPY);
    GetDIBits(memory.Get(), bitmap.Get(), 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
  }
  BITMAPFILEHEADER fileHeader{};
  fileHeader.bfType = 0x4D42;  // "BM"
  fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
  fileHeader.bfSize = fileHeader.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return out.good();
}

// The look's window as the screen shows it, clipped to the screen.
RECT ShownRect(HWND window) {
  RECT rect{}, screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  GetWindowRect(window, &rect);
  IntersectRect(&rect, &rect, &screen);
  return rect;
}

}  // namespace

int main() {
  const std::vector<std::string> args = qrv::CommandLineArguments();
  if (args.empty()) {
    std::fprintf(stderr, "usage: gallery FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = qrv::Widen(args.front());
  std::filesystem::create_directories(folder);
  qrv::UseWindowsSystem();
  const qrv::OleSession ole;
  auto& app = qrv::Application::Get();
  app.Initialize(L"Quorvel gallery");
  app.CreateForm<qrv::Form>(qrv::FormArgs{.caption = L"gallery"});  // the main form, never shown
  std::ofstream list(folder / "looks.txt", std::ios::binary);
  int failed = 0;
  for (const qrv::gallery::Scene& scene : qrv::gallery::Scenes()) {
    const auto keep = [&](const qrv::gallery::Look& look) {
      if (!SaveScreenPart(ShownRect(look.window), folder / (look.name + ".bmp"))) {
        std::fprintf(stderr, "%s: no picture\n", look.name.c_str());
        ++failed;
        return;
      }
      list << look.name << '\t' << look.title << '\t' << scene.group << "\n";
      list.flush();
    };
    try {
      scene.play(keep, 0);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "a scene of %s failed: %s\n", scene.group.c_str(), e.what());
      ++failed;
    }
    qrv::gallery::Pump(100);
    if (const int left = qrv::gallery::ShownWindowsOfThread()) {
      std::fprintf(stderr, "a scene of %s left %d window(s) open\n", scene.group.c_str(), left);
      ++failed;
    }
  }
  return failed == 0 ? 0 : 1;
}
