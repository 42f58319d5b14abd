#include "prefs/web_service_update.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>
#include <sstream>
#include <thread>

#include "components/internet.h"
#include "components/settings.h"
#include "core/file_io.h"
#include "core/service_file.h"
#include "core/site_list.h"
#include "prefs/update_dialog.h"
#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/paint_now.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// A ".qrv" file holds three short lines; anything larger is no such file.
constexpr std::size_t kMaxImportBytes = std::size_t{64} * 1024;
constexpr wchar_t kSiteNotFound[] =
    L"QRV Update site not found.\r\nIf you continue to experience this problem,\r\nplease contact the author.";
const std::wstring kReportPadding(22, L' ');

SiteListPeers& Peers() {
  static SiteListPeers peers;
  return peers;
}

// While the site list is fetched and merged, every window of the program is
// disabled (so that no command can reach the lists) and shows an hourglass;
// the owner is repainted first, as no messages run until the end.
class BusyScope {
 public:
  explicit BusyScope(Form& owner) : cursor_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {
    EnumThreadWindows(GetCurrentThreadId(), &BusyScope::Disable, reinterpret_cast<LPARAM>(this));
    RedrawWindow(owner.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  ~BusyScope() {
    for (HWND window : disabled_) EnableWindow(window, TRUE);
    SetCursor(cursor_);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      reinterpret_cast<BusyScope*>(self)->disabled_.push_back(window);
    }
    return TRUE;
  }

  HCURSOR cursor_;
  std::vector<HWND> disabled_;
};

// The transfer runs on a thread of its own while this one only paints, so that
// the windows stay drawn however long the hosts take; no other message runs.
std::optional<std::string> DownloadWhilePainting(const SiteListPeers& peers) {
  std::optional<std::string> body;
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!done) return DownloadSiteList(peers);
  std::thread transfer([&] {
    try {
      body = DownloadSiteList(peers);
    } catch (...) {
      body.reset();  // nothing may leave the transfer's thread
    }
    SetEvent(done);
  });
  // A wake is for paint that came since the last look at the queue: a window
  // that never validates its paint wakes this loop once, not without end.
  while (MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_PAINT) != WAIT_OBJECT_0) {
    GetQueueStatus(QS_PAINT);
    PaintNow();
  }
  transfer.join();
  CloseHandle(done);
  return body;
}

// The site list, or none when no host gave one whole, with a sound record.
std::optional<SiteList> FetchSiteList(Form& owner) {
  BusyScope busy(owner);
  const std::optional<std::string> body = DownloadWhilePainting(Peers());
  if (!body) return std::nullopt;
  std::optional<SiteList> list = ReadSiteList(*body);
  if (!list || list->records.empty()) return std::nullopt;
  return list;
}

// A box of the preferences window with its top-left corner this far (at 96
// DPI) from the window's: the reports stand over the window's lists.
MessageOptions BoxOver(const Form& owner, int right, int down) {
  const RECT window = owner.WindowRect();
  return {.owner = owner.Handle(), .topLeft = POINT{window.left + owner.Scale(right), window.top + owner.Scale(down)}};
}

void Report(const Form& owner, const MergeCounts& counts, std::size_t total) {
  ShowMessage(L"Update complete." + kReportPadding + L"\r\n\r\nNew sites: " + std::to_wstring(counts.added) +
                  L"\r\nUpdated sites: " + std::to_wstring(counts.updated) + L"\r\nOutdated sites: " +
                  std::to_wstring(counts.outdated) + L"\r\nTotal sites: " + std::to_wstring(total),
              MessageKind::kInformation, MessageButtons::kOk, BoxOver(owner, 75, 90));
}

void AnnounceVersion(const Form& owner, const SiteList& list) {
  if (!IsNewerVersion(list.version)) return;
  std::wstring text = L"New version of Quorvel available.\r\n";
  if (!list.announcement.empty()) text += Widen(list.announcement) + L"\r\n";
  text += L"Launch QRV web site?";
  if (ShowMessage(text, MessageKind::kInformation, MessageButtons::kYesNo, BoxOver(owner, 45, 90)) !=
      DialogResult::kYes)
    return;
  const Form* bar = Application::Get().MainForm();
  ShellOpen(bar ? bar->Handle() : nullptr, kHomePage);
}

// Fetches, merges, reports and announces; the list changes only when the whole
// merge succeeded. `showBusy` is told when the work starts and when it ended.
bool RunUpdate(Form& owner, std::vector<std::string>& services, bool silent, const BusyShown& showBusy) {
  if (showBusy) showBusy(true);
  struct BusyEnd {
    const BusyShown& showBusy;
    ~BusyEnd() {
      if (showBusy) showBusy(false);
    }
  } busyEnd{showBusy};
  std::optional<SiteList> list;
  MergeCounts counts;
  try {
    list = FetchSiteList(owner);
    if (list) {
      std::vector<std::string> merged = services;
      counts = MergeSiteList(merged, list->records);
      services.swap(merged);
    }
  } catch (const std::exception&) {
    list.reset();
  }
  if (!list) {
    ShowMessage(kSiteNotFound, MessageKind::kInformation, MessageButtons::kOk, {.owner = owner.Handle()});
    return false;
  }
  if (!silent || counts.Any()) Report(owner, counts, services.size());
  AnnounceVersion(owner, *list);
  return counts.Any();
}

// Imports one file; what was wrong with it, if anything, goes to `problems`
// as a line of the report.
int ImportFile(const std::wstring& path, std::vector<std::string>& services, std::wstring& problems) {
  const std::wstring name = std::filesystem::path(path).filename().wstring();
  const auto problem = [&](const std::wstring& text) { problems += L"\r\n" + name + L": " + text; };
  try {
    const FileRead read = ReadStoredFile(path, kMaxImportBytes);
    if (read.status == ReadStatus::kMissing) problem(L"It is not there.");
    if (read.status == ReadStatus::kUnreadable) problem(Widen(read.reason));
    if (read.status != ReadStatus::kRead) return 0;
    const std::vector<std::string> records = CustomServicesInFile(read.bytes);
    const auto refused = std::count_if(records.begin(), records.end(),
                                       [](const std::string& record) { return !IsSoundServiceRecord(record); });
    if (records.empty()) problem(L"It holds no usable web service.");
    if (refused > 0) problem(std::to_wstring(refused) + L" refused: no web address that can be opened safely.");
    return AddImportedServices(services, records);
  } catch (const std::exception& e) {
    problem(L"It cannot be read. " + Widen(e.what()));
    return 0;
  }
}

}  // namespace

// The automatic update asks nothing, so its schedule is the one the dialog
// would have shown; the dialog is not made for it, which halves its time.
bool UpdateWebServices(Form& owner, std::vector<std::string>& services, BarSettings& settings, bool silent,
                       const BusyShown& showBusy) {
  bool changed = false;
  if (silent) {
    changed = RunUpdate(owner, services, true, showBusy);
    UpdateDialog::KeepSchedule(settings);
  } else {
    UpdateDialog dialog(owner);
    dialog.ShowSchedule(settings);
    changed = dialog.ShowModal() == DialogResult::kYes && RunUpdate(owner, services, false, showBusy);
    dialog.TakeSchedule(settings);
  }
  settings.lastUpdate = Today();
  return changed;
}

int ImportWebServiceFiles(Form& owner, const std::vector<std::wstring>& paths, std::vector<std::string>& services) {
  int added = 0;
  std::wstring problems;
  for (const std::wstring& path : paths) added += ImportFile(path, services, problems);
  const std::wstring report = L"Web services added: " + std::to_wstring(added) + kReportPadding;
  ShowMessage(problems.empty() ? report : report + L"\r\n" + problems, MessageKind::kInformation, MessageButtons::kOk,
              BoxOver(owner, 50, 90));
  return added;
}

void SetSiteListPeers(const SiteListPeers& peers) { Peers() = peers; }

void UseSiteListPortsFromEnvironment() {
  wchar_t text[64]{};
  const DWORD length = GetEnvironmentVariableW(L"QRV_SITE_LIST_PORTS", text, 64);
  if (length == 0 || length >= 64) return;
  SiteListPeers peers = Peers();
  std::wistringstream ports(text);
  for (HttpSource& source : peers.sources) {
    unsigned port = 0;
    if (!(ports >> port) || port == 0 || port > 65535) return;
    ports.ignore(1, L',');
    source.host = L"127.0.0.1";
    source.port = static_cast<INTERNET_PORT>(port);
  }
  SetSiteListPeers(peers);
}

bool PreferencesActions::UpdateWebServices(Form& owner, std::vector<std::string>& services, BarSettings& settings,
                                           bool silent, const BusyShown& showBusy) {
  return qrv::UpdateWebServices(owner, services, settings, silent, showBusy);
}

int PreferencesActions::ImportWebServiceFiles(Form& owner, const std::vector<std::wstring>& paths,
                                              std::vector<std::string>& services) {
  return qrv::ImportWebServiceFiles(owner, paths, services);
}

}  // namespace qrv
