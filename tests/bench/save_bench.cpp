// From Ctrl+S on a typed task in the Information Item window to Outlook's
// Save, under Wine against the stand-in Outlook (another process, as Outlook
// is): the median of 20 saves in milliseconds, the part of it spent before the
// first call reaches Outlook, and how many calls cross to Outlook per save
// (member look-ups, calls, gets, puts and releases, from the stand-in's log).
// Not a timed test; run with `make bench`.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bar/bar_data.h"
#include "components/ole_auto.h"
#include "entry/actions/item_actions.h"
#include "entry/open_entry.h"
#include "tests/bench/bench_timing.h"
#include "tests/support/outlook_trace.h"
#include "tests/win/ui_test_support.h"
#include "ui/app.h"

using namespace qrv::bench;

namespace {

constexpr int kRuns = 20;

// Seconds since 1970, as the stand-in's log writes them.
double UnixSecondsNow() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  const ULONGLONG ticks = (ULONGLONG{now.dwHighDateTime} << 32) | now.dwLowDateTime;
  return static_cast<double>(ticks - 116444736000000000ULL) / 1e7;
}

void Press(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto key = keys.end(); key != keys.begin();) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TypeText(const std::wstring& text) {
  for (wchar_t c : text) qrv::testing::TypeCharacter(c);
}

// Handles what arrives for `ms` milliseconds, without sleeping past a message.
void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
    qrv::Application::Get().ProcessMessages();
  } while (GetTickCount() < end);
}

bool CrossesToOutlook(const qrv::testing::LogEntry& entry) {
  for (const char* kind : {"name", "call", "get", "put", "fail", "free"}) {
    if (entry.kind == kind) return true;
  }
  return false;
}

// The median time of one call to Outlook, made `runs` times.
template <class Fn>
double CallMs(Fn&& call, int runs = 40) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double start = UnixSecondsNow();
    call();
    times.push_back((UnixSecondsNow() - start) * 1000);
  }
  return Median(times);
}

}  // namespace

int main() {
  qrv::OleSession ole;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::filesystem::path folder =
      std::filesystem::path(temp) / ("qrv-save-bench-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path log = folder / "calls.log";
  SetEnvironmentVariableW(L"QRV_OUTLOOK_LOG", log.c_str());
  SetEnvironmentVariableW(L"QRV_OUTLOOK_STORE", (folder / "store.ini").c_str());
  SetEnvironmentVariableW(L"QRV_OUTLOOK_CONFIG", (folder / "config.ini").c_str());
  SetEnvironmentVariableW(L"QRV_OUTLOOK_SEED", (folder / "seed.ini").c_str());

  qrv::Application::Get().CreateForm<qrv::Form>(qrv::FormArgs{.caption = L"bar"});
  qrv::BarData data;
  data.settings.hints = false;
  qrv::OutlookSession outlook;
  if (!ole.Started() || !outlook.Connect()) {
    std::fprintf(stderr, "The stand-in Outlook did not start (is it registered?).\n");
    return 1;
  }
  qrv::SimpleMapi mapi;
  qrv::Email email(mapi);
  qrv::ItemActions actions(
      {data.settings, data.keywordList, data.webServiceCaptions, data.categoryNames, data.icons.noteFound}, outlook,
      email);
  const qrv::EntryData entryData{data.settings,      data.keywords,     data.webServiceCaptions,
                                 data.categoryNames, data.journalTypes, data.icons.noteFound};

  std::vector<double> totals, before;
  std::vector<int> calls;
  std::size_t saves = 0;
  for (int run = 0; run < kRuns; ++run) {
    qrv::EntryWindow& window = qrv::OpenEntryWindow(entryData, actions, {.barTop = 100});
    SetForegroundWindow(window.Handle());
    Pump(30);
    TypeText(L"Pay");
    Pump(60);
    const std::size_t logged = qrv::testing::ReadStandInLog(log.string()).size();
    const double start = UnixSecondsNow();
    Press({VK_CONTROL, 'S'});
    std::vector<qrv::testing::LogEntry> entries;
    for (int tries = 0; tries < 1000; ++tries) {
      Pump(5);
      entries = qrv::testing::ReadStandInLog(log.string());
      if (qrv::testing::Calls(entries, "call", "Save").size() > saves) break;
    }
    const auto saved = qrv::testing::Calls(entries, "call", "Save");
    if (saved.size() <= saves) {
      std::fprintf(stderr, "Save %d never reached Outlook.\n", run + 1);
      return 1;
    }
    saves = saved.size();
    Pump(50);  // the item's release follows the save
    entries = qrv::testing::ReadStandInLog(log.string());
    const auto added = std::vector(entries.begin() + static_cast<std::ptrdiff_t>(logged), entries.end());
    totals.push_back((std::stod(saved.back().time) - start) * 1000);
    const auto first = std::find_if(added.begin(), added.end(), CrossesToOutlook);
    before.push_back(first == added.end() ? 0 : (std::stod(first->time) - start) * 1000);
    calls.push_back(static_cast<int>(std::count_if(added.begin(), added.end(), CrossesToOutlook)));
  }
  // One call's round trip: one that changes nothing in Outlook, one that
  // changes an item (the stand-in then rewrites its store file).
  const qrv::OleObject inspectors = qrv::OleObject::Create(L"Outlook.Application").Get("Inspectors").Object();
  const double readMs = CallMs([&] { inspectors.Get("Count"); });
  const qrv::OleObject item = outlook.CreateItem(qrv::OutlookItemKind::kTask);
  const double putMs = CallMs([&] { item.Put("Subject", "Pay"); });
  outlook.Release();
  std::filesystem::remove_all(folder);

  std::printf("Ctrl+S on a typed task to Outlook's Save, %d saves under Wine:\n", kRuns);
  std::printf("  median:                                %7.1f ms\n", Median(totals));
  std::printf("  of it, before the first call to Outlook: %5.1f ms\n", Median(before));
  std::printf("  calls to Outlook per save: first %d, then %d (median)\n", calls.front(),
              static_cast<int>(Median(std::vector<double>(calls.begin() + 1, calls.end()))));
  std::printf("  one call that reads:                   %7.2f ms\n", readMs);
  std::printf("  one call that changes an item:         %7.2f ms\n", putMs);
  return 0;
}
