#include "bar/bar_buttons.h"

#include <utility>

#include "bar/bar_types.h"
#include "core/bar_settings.h"

namespace qrv {
namespace {

// The loading word down the bar: white bold letters.
const FontChoice kLetterFont{.face = L"Tahoma", .points = 10, .bold = true};

PictureLabel Letter(Container& bar, int top, const wchar_t* letter) {
  return PictureLabel(bar, {.bounds = {9, top, 20, 16}, .text = letter}, kLetterFont, true);
}

constexpr std::array<const wchar_t*, 8> kNewItemNames = {
    L"New Task",        L"New Note",         L"New Appointment",  L"New Contact",
    L"New E-Mail Item", L"New Journal Item", L"New Task Request", L"New Meeting Request"};
constexpr std::array<const wchar_t*, 6> kFolderHints = {L"View Task Folder",     L"View Notes Folder",
                                                        L"View Calendar Folder", L"View Contact Folder",
                                                        L"View Inbox Folder",    L"View Journal Folder"};
constexpr std::array<const wchar_t*, 4> kExtraHints = {L"Open Outlook", L"Open Outlook Today", L"New Office Document",
                                                       L"Launch Program"};

}  // namespace

std::wstring NewItemName(EntryType type) { return kNewItemNames.at(static_cast<std::size_t>(type) - 1); }

BarButtons::BarButtons(Form& bar, BarCommands& commands, const BarSettings& settings, BarButtonActions actions)
    : bar_(bar),
      commands_(commands),
      settings_(settings),
      actions_(std::move(actions)),
      strip_(bar, {0, 0, 10, 298}, L"BARSTRIP"),
      loadingLetters_{Letter(bar, 24, L"L"),  Letter(bar, 59, L"O"),  Letter(bar, 93, L"A"),  Letter(bar, 127, L"D"),
                      Letter(bar, 161, L"I"), Letter(bar, 195, L"N"), Letter(bar, 229, L"G"), Letter(bar, 263, L"!")},
      newItemButtons_{BarButton(bar, {12, 20, 25, 24}, L"NEW1"),  BarButton(bar, {12, 54, 25, 24}, L"NEW2"),
                      BarButton(bar, {12, 88, 25, 24}, L"NEW3"),  BarButton(bar, {12, 122, 25, 24}, L"NEW4"),
                      BarButton(bar, {12, 156, 25, 24}, L"NEW5"), BarButton(bar, {12, 190, 25, 24}, L"NEW6"),
                      BarButton(bar, {12, 190, 25, 24}, L"NEW7"), BarButton(bar, {12, 190, 25, 24}, L"NEW8")},
      folderButtons_{BarButton(bar, {1, 20, 9, 24}, L"FOLDER1"),  BarButton(bar, {1, 54, 9, 24}, L"FOLDER2"),
                     BarButton(bar, {1, 88, 9, 24}, L"FOLDER3"),  BarButton(bar, {1, 122, 9, 24}, L"FOLDER4"),
                     BarButton(bar, {1, 156, 9, 24}, L"FOLDER5"), BarButton(bar, {1, 190, 9, 24}, L"FOLDER6")},
      extraButtons_{BarButton(bar, {12, 224, 25, 24}, L"EXTRA1"), BarButton(bar, {12, 224, 25, 24}, L"EXTRA2"),
                    BarButton(bar, {12, 224, 25, 24}, L"EXTRA3"), BarButton(bar, {12, 224, 25, 24}, L"EXTRA4")},
      collapseButton_(bar, {1, 223, 9, 54}, L"COLLAPSE"),
      prefsButton_(bar, {12, 258, 25, 24}, L"PREFS"),
      quitButton_(bar, {0, 282, 13, 13}, L"QUIT", true) {
  for (PictureLabel& letter : loadingLetters_) letter.color = RGB(255, 255, 255);
  prefsButton_.SetEnabled(false);
  Bind();
}

void BarButtons::Bind() {
  for (std::size_t n = 0; n < newItemButtons_.size(); ++n) {
    const auto type = static_cast<EntryType>(n + 1);
    newItemButtons_[n].SetHint(NewItemName(type));
    newItemButtons_[n].onClick = [this, type] { commands_.ShowNewItem(type, Origin::kBar, false, NewItemName(type)); };
    newItemButtons_[n].onMouseUp = [this, type](MouseButton button, int, int) { OnNewItemMouseUp(type, button); };
  }
  for (std::size_t n = 0; n < folderButtons_.size(); ++n) {
    const auto folder = static_cast<FolderKind>(n + 1);
    folderButtons_[n].SetHint(kFolderHints[n]);
    folderButtons_[n].onClick = [this, folder] { commands_.ViewFolder(folder, Origin::kBar, false); };
    folderButtons_[n].onMouseUp = [this, folder](MouseButton button, int, int) { OnFolderMouseUp(folder, button); };
  }
  for (std::size_t n = 0; n < extraButtons_.size(); ++n) {
    const auto action = static_cast<ExtraAction>(n + 1);
    extraButtons_[n].SetHint(kExtraHints[n]);
    extraButtons_[n].onClick = [this, action] { commands_.RunExtraAction(action, Origin::kBar); };
  }
  collapseButton_.SetHint(L"Minimize");
  collapseButton_.onClick = [this] { actions_.toggleCollapsed(); };
  prefsButton_.SetHint(L"About and Preferences");
  prefsButton_.onClick = [this] { actions_.showPreferences(PreferencePage::kGeneral); };
  // The right button opens the keywords.
  prefsButton_.onMouseUp = [this](MouseButton button, int, int) {
    if (button == MouseButton::kRight) actions_.showPreferences(PreferencePage::kKeywords);
  };
  quitButton_.SetHint(L"Quit");
  quitButton_.onClick = [this] { actions_.quit(); };
  strip_.onMouseUp = [this](MouseButton button, int x, int y) { OnStripMouseUp(button, x, y); };
}

void BarButtons::Show(bool shown) {
  for (std::size_t n = 0; n < folderButtons_.size(); ++n) {
    const auto folder = static_cast<FolderKind>(n + 1);
    folderButtons_[n].SetVisible(FolderButtonShown(settings_, folder) && shown);
  }
  prefsButton_.SetVisible(true);
  prefsButton_.SetEnabled(shown);
  for (BarButton* button : {&collapseButton_, &quitButton_}) {
    button->SetVisible(shown);
    button->SetEnabled(shown);
  }
}

void BarButtons::HideLoadingLetters() {
  for (PictureLabel& letter : loadingLetters_) letter.SetVisible(false);
}

void BarButtons::Place() {
  for (const ButtonPlacement& p : settings_.buttonLayout) {
    const auto index = static_cast<std::size_t>(p.button) - 1;
    BarButton& button = p.extra ? extraButtons_.at(index) : newItemButtons_.at(index);
    const Bounds bounds = button.DesignBounds();
    button.SetBounds({12, p.top, bounds.width, bounds.height});
    button.SetVisible(p.shown);
    const auto type = p.extra ? std::nullopt : EntryTypeOf(p.button);
    const auto kind = type ? FolderOfEntryType(*type) : std::nullopt;
    if (p.shown && kind) {
      BarButton& folder = FolderButton(*kind);
      const Bounds folderBounds = folder.DesignBounds();
      folder.SetBounds({1, p.top, folderBounds.width, folderBounds.height});
    }
  }
}

void BarButtons::SetLaunchHint(const std::wstring& hint) {
  extraButtons_[static_cast<std::size_t>(ExtraAction::kLaunchProgram) - 1].SetHint(hint);
}

// --- what the right button starts ------------------------------------------------------

// The right button asks for the item's categories whatever the settings say.
void BarButtons::OnNewItemMouseUp(EntryType type, MouseButton button) {
  if (button == MouseButton::kRight) commands_.ShowNewItem(type, Origin::kBar, true, NewItemName(type));
}

// The right button opens the folder in a window of its own.
void BarButtons::OnFolderMouseUp(FolderKind folder, MouseButton button) {
  if (button == MouseButton::kRight) commands_.ViewFolder(folder, Origin::kBar, true);
}

// On the strip of the collapsed bar: a click opens the bar, or opens a new
// Information Item where the collapse button would be; the right button shows
// the bar menu.
void BarButtons::OnStripMouseUp(MouseButton button, int x, int y) {
  const RECT bar = bar_.WindowRect();
  if (x >= bar.right - bar.left) return;
  if (button == MouseButton::kLeft) {
    const RECT collapse = collapseButton_.PlacedRect();
    if (collapse.top < y && y < collapse.bottom) {
      actions_.newInformationItem();
    } else {
      actions_.toggleCollapsed();
    }
  } else if (button == MouseButton::kRight) {
    actions_.showMenu(x, y + bar.top);
  }
}

}  // namespace qrv
