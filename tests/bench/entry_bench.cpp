// The Information Item window under Wine: how long opening it takes, how
// long a typed character takes until the window's controls show the parser's
// answer (with the factory keyword list and with one of 5,000 records) and how
// long a large dropped file holds the window up; medians printed in
// milliseconds. Not a timed test; run with `make bench`.
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/keyword_file.h"
#include "entry/open_entry.h"
#include "tests/bench/bench_timing.h"
#include "tests/win/ui_test_support.h"
#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/edits.h"

using namespace qrv::bench;

namespace {

std::vector<std::string> FactoryList() {
  wchar_t path[MAX_PATH]{};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const auto folder = std::filesystem::path(path).parent_path();
  for (const auto& candidate : {folder / "prefs-qrv.bak", folder / ".." / "app" / "prefs-qrv.bak"}) {
    if (auto bytes = qrv::ReadFileBytes(candidate, 1 << 20)) return qrv::LoadKeywordLists({}, bytes, bytes).keywordList;
  }
  std::fprintf(stderr, "The factory keyword file was not found; using an empty list.\n");
  return {};
}

struct Bar {
  explicit Bar(const std::vector<std::string>& list) : keywords(qrv::ReadKeywordRecords(list)) {}
  qrv::BarSettings settings;
  qrv::KeywordMatcher keywords;
  std::vector<std::string> services{"Google", "Encyclopedia"}, categories{"Business", "Personal"},
      journalTypes{"Phone call", "Meeting"};
  bool iconNoteFound = false;
  qrv::EntryData data{settings, keywords, services, categories, journalTypes, iconNoteFound};
};

qrv::EntryWindow& Open(Bar& bar) { return qrv::OpenEntryWindow(bar.data, qrv::NoEntryActions(), {.barTop = 100}); }

void Close(qrv::EntryWindow& window) {
  qrv::Application::Get().Release(window);
  qrv::Application::Get().ProcessMessages();
}

// Each character goes through the loop as typed text does and is handled,
// painted and answered before the clock stops.
double TypingMs(Bar& bar, const std::wstring& subject) {
  std::vector<double> times;
  qrv::EntryWindow& window = Open(bar);
  for (int run = 0; run < 5; ++run) {
    window.Clear();
    qrv::Application::Get().ProcessMessages();
    for (wchar_t c : subject) {
      const auto start = Clock::now();
      PostMessageW(GetFocus(), WM_CHAR, c, 0);
      qrv::Application::Get().ProcessMessages();
      UpdateWindow(window.Handle());
      times.push_back(Ms(start));
    }
  }
  Close(window);
  return Median(times);
}

// The floor: the same characters typed into a form holding only a rich edit.
double BareRichEditMs(const std::wstring& subject) {
  qrv::Form form({.caption = L"bare", .clientSize = {272, 221}});
  qrv::RichEdit edit(form, {.bounds = {65, 2, 158, 19}});
  form.Show();
  edit.Focus();
  std::vector<double> times;
  for (int run = 0; run < 5; ++run) {
    edit.SetPlainText(L"");
    for (wchar_t c : subject) {
      const auto start = Clock::now();
      PostMessageW(edit.Handle(), WM_CHAR, c, 0);
      qrv::Application::Get().ProcessMessages();
      UpdateWindow(form.Handle());
      times.push_back(Ms(start));
    }
  }
  return Median(times);
}

// What marking adds to a keystroke where the marks change: the subject
// coloured again, painted. Keystrokes that leave the marks as they were
// colour nothing.
double MarkingMs(const std::wstring& subject) {
  qrv::Form form({.caption = L"marks", .clientSize = {272, 221}});
  qrv::RichEdit edit(form, {.bounds = {65, 2, 158, 33}});
  form.Show();
  edit.Focus();
  edit.SetPlainText(subject);
  std::vector<double> times;
  const CHARRANGE mark{0, 8};
  for (int run = 0; run < 200; ++run) {
    const auto start = Clock::now();
    const CHARRANGE all{0, -1};
    edit.ColourRuns({&all, 1}, GetSysColor(COLOR_WINDOWTEXT));
    edit.ColourRuns({&mark, 1}, GetSysColor(COLOR_GRAYTEXT));
    qrv::Application::Get().ProcessMessages();
    UpdateWindow(form.Handle());
    times.push_back(Ms(start));
  }
  return Median(times);
}

// From the click to the window painted: with the window the bar made ahead
// while the user was idle, and with a window made on the click.
double OpeningMs(Bar& bar, bool madeAhead) {
  qrv::ReadyEntryWindow ready(bar.data, qrv::NoEntryActions());
  std::vector<double> times;
  for (int run = 0; run < 15; ++run) {
    if (madeAhead) ready.Prepare();
    qrv::Application::Get().ProcessMessages();
    const auto start = Clock::now();
    qrv::EntryWindow& window = madeAhead ? ready.Open({.barTop = 100}) : Open(bar);
    UpdateWindow(window.Handle());
    qrv::Application::Get().ProcessMessages();
    times.push_back(Ms(start));
    Close(window);
  }
  return Median(times);
}

// A file dropped on a text document, from the drop to the window painted;
// then the window switched to an e-mail, and cleared (Ctrl+R). The word that
// the text was cut is answered at once.
struct DropTimes {
  double drop, email, clear;
};

DropTimes DroppedFileMs(Bar& bar, const std::string& text) {
  wchar_t folder[MAX_PATH]{};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring file = std::wstring(folder) + L"qrv entry bench drop.txt";
  if (!qrv::WriteFileSafely(std::filesystem::path(file), text)) return {};
  qrv::SetPromptHandler(
      [](const std::wstring&, qrv::MessageKind, qrv::MessageButtons) { return qrv::DialogResult::kOk; });
  std::vector<double> drop, email, clear;
  for (int run = 0; run < 3; ++run) {
    qrv::EntryWindow& window = Open(bar);
    window.ChooseType(qrv::EntryType::kTextDocument);
    qrv::Application::Get().ProcessMessages();
    auto start = Clock::now();
    qrv::testing::DropFiles(window.Handle(), {file});
    qrv::Application::Get().ProcessMessages();
    UpdateWindow(window.Handle());
    drop.push_back(Ms(start));
    start = Clock::now();
    window.ChooseType(qrv::EntryType::kEmail);
    qrv::Application::Get().ProcessMessages();
    UpdateWindow(window.Handle());
    email.push_back(Ms(start));
    start = Clock::now();
    window.Clear();
    qrv::Application::Get().ProcessMessages();
    UpdateWindow(window.Handle());
    clear.push_back(Ms(start));
    Close(window);
  }
  qrv::SetPromptHandler(nullptr);
  DeleteFileW(file.c_str());
  return {Median(drop), Median(email), Median(clear)};
}

}  // namespace

int main() {
  qrv::Application::Get().CreateForm<qrv::Form>(qrv::FormArgs{.caption = L"bar"});
  const std::wstring subject = L"lunch with Bob tomorrow at noon";
  Bar factory(FactoryList());
  std::vector<std::string> big = factory.keywords.Records().empty() ? std::vector<std::string>{} : FactoryList();
  for (int i = 0; big.size() < 5000; ++i) big.push_back("K=1{WORD" + std::to_string(i) + "}1");
  Bar large(big);
  std::printf("Information Item window, medians under Wine:\n");
  std::printf("  opening from the bar (made ahead):     %7.2f ms\n", OpeningMs(factory, true));
  std::printf("  opening, the window made on the click: %7.2f ms\n", OpeningMs(factory, false));
  std::printf("  a typed character, factory list (%zu): %7.2f ms\n", factory.keywords.Records().size(),
              TypingMs(factory, subject));
  std::printf("  a typed character, %zu records:       %7.2f ms\n", large.keywords.Records().size(),
              TypingMs(large, subject));
  // Marked from the eighth character on, with keyword removal on and off.
  const std::wstring marked = L"tomorrow lunch with Bob at noon";
  std::printf("  a typed character, a marked subject:   %7.2f ms\n", TypingMs(factory, marked));
  Bar unmarked(FactoryList());
  unmarked.settings.keywordRemoval = false;
  std::printf("  the same, keyword removal off:         %7.2f ms\n", TypingMs(unmarked, marked));
  // Every length a subject may reach: the characters of a subject as long as the window takes.
  std::wstring longest;
  while (longest.size() < static_cast<std::size_t>(qrv::kSubjectLimit))
    longest += L"call Bob about the report tomorrow ";
  longest.resize(qrv::kSubjectLimit);
  std::printf("  a typed character, subjects to 255:    %7.2f ms\n", TypingMs(factory, longest));
  std::printf("  marking the subject once:              %7.2f ms\n", MarkingMs(marked));
  std::printf("  a typed character, a bare rich edit:   %7.2f ms\n", BareRichEditMs(subject));
  std::string lines, word;
  while (lines.size() < (5u << 20)) lines += "The quick brown fox jumps over the lazy dog.\r\n";
  word.assign(5u << 20, 'w');
  for (const auto& [name, text] : {std::pair{"lines of words", &lines}, {"one unbroken word", &word}}) {
    const DropTimes times = DroppedFileMs(factory, *text);
    std::printf("  a 5 MB file of %s dropped:   %7.2f ms, to e-mail %7.2f ms, Ctrl+R %7.2f ms\n", name, times.drop,
                times.email, times.clear);
  }
  return 0;
}
