#include "prefs/preferences_window.h"

#include <shellapi.h>

#include <map>

#include "core/bar_settings.h"
#include "core/keyword_file.h"
#include "ui/app.h"
#include "ui/file_dialog.h"
#include "ui/gdi.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr int kWidth = 376;
constexpr int kHeight = 302;
constexpr COLORREF kBackground = RGB(0, 0, 96);
constexpr int kHelpContents = 0;

constexpr wchar_t kSettingsSaveWarning[] =
    L"The settings could not be saved.\r\nMake sure you may change your settings in the registry.";
constexpr std::uint32_t kKeyColour = 0xFF00FF;
constexpr int kGlyphCount = 3;  // OK, Preferences, Cancel

// A picture of the program for a DPI, read once for the program's life and
// shared by every window opened later; empty when the program holds none.
Picture ProgramPicture(const wchar_t* name, UINT dpi) {
  static std::map<std::wstring, Picture> loaded;
  const std::wstring scaled = PictureNameForDpi(name, dpi);
  auto it = loaded.find(scaled);
  if (it == loaded.end()) it = loaded.emplace(scaled, Picture::FromResource(scaled.c_str())).first;
  return it->second;
}

}  // namespace

PreferencesWindow::PreferencesWindow(Form& bar, const PreferencesData& data, PreferencesActions& actions)
    : Form({.caption = L"About", .clientSize = {kWidth, kHeight}, .style = FormStyle::kBorderless, .owner = &bar}),
      data_(data),
      actions_(actions),
      homePage_(*this, {.bounds = {16, 63, 345, 13}, .text = kHomePage}, {.face = L"Arial", .points = 8, .bold = true},
                true),
      version_(*this, {.bounds = {16, 82, 345, 13}, .text = L"Version " + Widen(kProgramVersion)},
               {.face = L"Arial", .points = 8, .bold = true}, true),
      note_(*this,
            {.bounds = {14, 216, 348, 42},
             .text = L"Please direct all questions, suggestions, and bug reports to the QRV website listed above."},
            {}),
      okButton_(*this, {.bounds = {87, 267, 90, 27}, .text = L"OK", .isDefault = true, .takesFocus = false}),
      prefsButton_(*this, {.bounds = {198, 267, 90, 27}, .text = L"Preferences", .takesFocus = false}),
      cancelButton_(
          *this,
          {.bounds = {198, 267, 90, 27}, .text = L"Cancel", .visible = false, .isCancel = true, .takesFocus = false}),
      helpButton_(*this, {.bounds = {324, 268, 25, 24}, .text = L"?"}) {
  closeAction = CloseAction::kFree;
  background = kBackground;
  homePage_.color = RGB(0, 255, 0);
  version_.color = RGB(255, 255, 255);
  note_.color = RGB(255, 255, 255);
  homePage_.onClick = [this] { ShellOpen(Owner()->Handle(), kHomePage); };
  okButton_.onClick = [this] { Accept(); };
  prefsButton_.onClick = [this] { OpenPages(); };
  cancelButton_.onClick = [this] { Close(); };
  helpButton_.SetHint(L"Show Help");
  helpButton_.onClick = [this] { actions_.ShowHelp(kHelpContents); };
  TakePictures();
  // The bar comes to the front first, so the window opens beside it in view.
  SetForegroundWindow(bar.Handle());
  SetWindowPos(bar.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PreferencesWindow::OpenPages(PreferencesTab tab) {
  DragAcceptFiles(Handle(), TRUE);
  choices_ = ChoicesFromSettings(data_.settings, data_.journalTypes);
  working_ = OpenWorkingLists(data_.keywordList, actions_);
  LoadPages();
  ShowTab(tab);
  // The notebook covers the about face's texts: hidden, they neither show
  // through the pages nor take the clicks meant for the controls under them.
  for (PictureLabel* text : {&homePage_, &version_, &note_}) text->SetVisible(false);
  prefsButton_.SetVisible(false);
  cancelButton_.SetVisible(true);
  tabs_->SetVisible(true);
  pagesShown_ = true;
}

// Pages made before show what was loaded anew.
void PreferencesWindow::LoadPages() {
  if (general_) general_->Load(choices_);
  if (buttons_) buttons_->Load(choices_);
  if (views_) views_->Load(choices_);
  if (infoItem_) infoItem_->Load(choices_, data_.journalTypes);
  if (keywords_) keywords_->Reload();
}

TabControl& PreferencesWindow::Tabs() {
  if (!tabs_) {
    tabs_ = std::make_unique<TabControl>(
        *this, TabArgs{.bounds = {8, 34, 360, 231},
                       .visible = false,
                       .pages = {L"General", L"Buttons", L"Views", L"Info Item", L"Keywords"}});
    tabs_->onSelect = [this] { MakePage(static_cast<PreferencesTab>(tabs_->Selection())); };
  }
  return *tabs_;
}

// Makes a page's controls, loaded from what the window holds, unless made before.
void PreferencesWindow::MakePage(PreferencesTab tab) {
  Panel& page = Tabs().Page(static_cast<std::size_t>(tab));
  switch (tab) {
    case PreferencesTab::kGeneral:
      if (general_) return;
      general_ = std::make_unique<GeneralPage>(page);
      general_->onAssociate = [this] { actions_.ClaimAssociation(); };
      general_->Load(choices_);
      return;
    case PreferencesTab::kButtons:
      if (buttons_) return;
      buttons_ = std::make_unique<ButtonsPage>(page);
      buttons_->chooseProgram = [this] { return ChooseProgram(); };
      buttons_->Load(choices_);
      return;
    case PreferencesTab::kViews:
      if (views_) return;
      views_ = std::make_unique<ViewsPage>(page);
      views_->Load(choices_);
      return;
    case PreferencesTab::kInfoItem:
      if (infoItem_) return;
      infoItem_ = std::make_unique<InfoItemPage>(page);
      infoItem_->Load(choices_, data_.journalTypes);
      return;
    case PreferencesTab::kKeywords:
      if (keywords_) return;
      keywords_ = std::make_unique<KeywordsPage>(page, *this, data_, actions_, working_);
      keywords_->onUpdate = [this] { RunUpdate(false); };
      return;
  }
}

KeywordsPage& PreferencesWindow::Keywords() {
  MakePage(PreferencesTab::kKeywords);
  return *keywords_;
}

// The page is made while it is still hidden, so it shows once, whole.
void PreferencesWindow::ShowTab(PreferencesTab tab) {
  MakePage(tab);
  tabs_->SetSelection(static_cast<int>(tab));
}

void PreferencesWindow::ShowWebServices() {
  if (!pagesShown_) OpenPages(PreferencesTab::kKeywords);
  ShowTab(PreferencesTab::kKeywords);
  keywords_->ShowList(KeywordListKind::kInternet);
}

void PreferencesWindow::Accept() {
  if (pagesShown_ && !(SaveSettings() && SaveKeywords())) return;
  Close();
}

bool PreferencesWindow::SaveSettings() {
  PreferenceChoices choices = choices_;
  if (general_) general_->Save(choices);
  if (buttons_) buttons_->Save(choices);
  if (views_) views_->Save(choices);
  if (infoItem_) infoItem_->Save(choices);
  if (actions_.StoreSettings(SettingsToSave(choices, actions_.SaveContextNow()))) return true;
  ShowMessage(kSettingsSaveWarning, MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
  return false;
}

bool PreferencesWindow::SaveKeywords() {
  if (!working_.changed) return true;
  const SaveResult result = SaveKeywordFile(data_.folder, working_.lists);
  if (result) return true;
  ShowMessage(Widen(KeywordFileSaveWarning(result)), MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
  return false;
}

void PreferencesWindow::RunUpdate(bool silent) {
  // The grid gives way to "Updating Web Services..." while the update works.
  const BusyShown showBusy = [this](bool busy) {
    if (keywords_) keywords_->SetGridShown(!busy);
  };
  if (actions_.UpdateWebServices(*this, working_.lists.webServices, data_.settings, silent, showBusy))
    ServicesChanged();
}

void PreferencesWindow::ServicesChanged() {
  working_.changed = true;
  if (keywords_) keywords_->ServicesChanged();
}

void PreferencesWindow::RunScheduledUpdate(bool silent) {
  if (pagesShown_) {
    RunUpdate(silent);
    return;
  }
  ShowWebServices();
  RunUpdate(silent);
  // Only what the update changed is stored: the other pages were never the user's.
  if (!actions_.StoreSettings(UpdateSettingsToSave(actions_.SaveContextNow())))
    ShowMessage(kSettingsSaveWarning, MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
  if (SaveKeywords()) Close();
}

int PreferencesWindow::ImportFiles(const std::vector<std::wstring>& paths) {
  if (!pagesShown_) ShowWebServices();
  const int added = actions_.ImportWebServiceFiles(*this, paths, working_.lists.webServices);
  if (added > 0) ServicesChanged();
  return added;
}

// The import looks at each file and says what was wrong with it.
void PreferencesWindow::OnDropFiles(HDROP drop) {
  const std::vector<std::wstring> paths = DroppedFiles(drop);
  if (!paths.empty()) ImportFiles(paths);
}

void PreferencesWindow::OnClose() {
  if (closing_) return;
  closing_ = true;
  DragAcceptFiles(Handle(), FALSE);
  actions_.PreferencesClosed(pagesShown_);
}

LRESULT PreferencesWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DROPFILES:
      Guarded(Handle(), [&] { OnDropFiles(reinterpret_cast<HDROP>(wp)); });
      return 0;
    case WM_CLOSE:
      Guarded(Handle(), [&] { OnClose(); });
      break;
  }
  return Form::WndProc(msg, wp, lp);
}

std::optional<std::wstring> PreferencesWindow::ChooseProgram() {
  return ChooseFile({.owner = Handle(), .title = L"Choose a program to assign to the Launch Program button..."});
}

// The face and the glyphs drawn for the window's DPI; each glyph's key colour
// takes the button face, which it stands on.
void PreferencesWindow::TakePictures() {
  face_ = ProgramPicture(L"ABOUTBACK", Dpi());
  const Picture strip = ProgramPicture(L"ABOUTGLYPHS", Dpi());
  const int size = strip.Width() / kGlyphCount;
  const std::uint32_t face = ToRgb(GetSysColor(COLOR_BTNFACE));
  Button* const buttons[kGlyphCount] = {&okButton_, &prefsButton_, &cancelButton_};
  for (int n = 0; n < kGlyphCount; ++n) {
    glyphs_[static_cast<std::size_t>(n)] =
        strip.Part(n * size, size, [face](std::uint32_t c) { return c == kKeyColour ? face : c; });
    buttons[n]->SetPicture(glyphs_[static_cast<std::size_t>(n)].Handle());
  }
}

void PreferencesWindow::DpiChanged() { TakePictures(); }

void PreferencesWindow::PaintBackground(HDC dc, const RECT& area) {
  if (!face_.Empty()) {
    face_.Draw(dc, 0, 0, false);
    return;
  }
  Form::PaintBackground(dc, area);
  // The rule under the home page's address.
  RECT rule{Scale(28), Scale(79), Scale(28 + 297), Scale(79 + 3)};
  OwnedBrush brush(CreateSolidBrush(RGB(255, 255, 255)));
  FillRect(dc, &rule, brush.Get());
}

}  // namespace qrv
