// The bar form's layout: its controls in pixels and the bindings of their events.
#include "bar/Main.h"
#include "ui/layout.h"

namespace {

using ui::kBold;
using ui::kCentered;
using ui::kDisabled;
using ui::kHidden;
using ui::kTransparent;
using ui::Make;

// The loading word down the bar: white bold letters.
constexpr unsigned kLetter = kBold | kCentered;

}  // namespace

void TQV::BuildLayout() {
  ui::BuildLayout(*this, {
      // name, kind, left, top, width, height, caption, style, tag, hint, picture, data
      {L"CoolForm1", Make<TCoolForm>, 0, 0, 104, 302, L"", kTransparent, 0, L"", L"BARBACK", L"BARMASK"},
      {L"BMinBar", Make<ui::Image>, 0, 0, 10, 298, L"", kHidden | kTransparent, 0, L"", L"BARSTRIP"},
      {L"Label1", Make<ui::Label>, 9, 24, 20, 16, L"L", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"Label2", Make<ui::Label>, 9, 59, 20, 16, L"O", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"Label3", Make<ui::Label>, 9, 93, 20, 16, L"A", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"Label4", Make<ui::Label>, 9, 127, 20, 16, L"D", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"Label5", Make<ui::Label>, 9, 161, 20, 16, L"I", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"Label6", Make<ui::Label>, 9, 195, 20, 16, L"N", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"Label7", Make<ui::Label>, 9, 229, 20, 16, L"G", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"Label8", Make<ui::Label>, 9, 263, 20, 16, L"!", kLetter, 0, L"", nullptr, nullptr, L"Tahoma", 10},
      {L"CoolButton1", Make<TCoolButton>, 12, 20, 25, 24, L"", kHidden, 1, L"New Task", L"NEW1"},
      {L"CoolButton2", Make<TCoolButton>, 12, 54, 25, 24, L"", kHidden, 2, L"New Note", L"NEW2"},
      {L"CoolButton3", Make<TCoolButton>, 12, 88, 25, 24, L"", kHidden, 3, L"New Appointment", L"NEW3"},
      {L"CoolButton4", Make<TCoolButton>, 12, 122, 25, 24, L"", kHidden, 4, L"New Contact", L"NEW4"},
      {L"CoolButton5", Make<TCoolButton>, 12, 156, 25, 24, L"", kHidden, 5, L"New E-Mail Item", L"NEW5"},
      {L"CoolButton6", Make<TCoolButton>, 12, 190, 25, 24, L"", kHidden, 6, L"New Journal Item", L"NEW6"},
      {L"CoolButton7", Make<TCoolButton>, 12, 190, 25, 24, L"", kHidden, 7, L"New Task Request", L"NEW7"},
      {L"CoolButton8", Make<TCoolButton>, 12, 190, 25, 24, L"", kHidden, 8, L"New Meeting Request", L"NEW8"},
      {L"BList1", Make<TCoolButton>, 1, 20, 9, 24, L"", kHidden, 1, L"View Task Folder", L"FOLDER1"},
      {L"BList2", Make<TCoolButton>, 1, 54, 9, 24, L"", kHidden, 2, L"View Notes Folder", L"FOLDER2"},
      {L"BList3", Make<TCoolButton>, 1, 88, 9, 24, L"", kHidden, 3, L"View Calendar Folder", L"FOLDER3"},
      {L"BList4", Make<TCoolButton>, 1, 122, 9, 24, L"", kHidden, 4, L"View Contact Folder", L"FOLDER4"},
      {L"BList5", Make<TCoolButton>, 1, 156, 9, 24, L"", kHidden, 5, L"View Inbox Folder", L"FOLDER5"},
      {L"BList6", Make<TCoolButton>, 1, 190, 9, 24, L"", kHidden, 6, L"View Journal Folder", L"FOLDER6"},
      {L"CoolButtonE1", Make<TCoolButton>, 12, 224, 25, 24, L"", kHidden, 1, L"Open Outlook", L"EXTRA1"},
      {L"CoolButtonE2", Make<TCoolButton>, 12, 224, 25, 24, L"", kHidden, 2, L"Open Outlook Today", L"EXTRA2"},
      {L"CoolButtonE3", Make<TCoolButton>, 12, 224, 25, 24, L"", kHidden, 3, L"New Office Document", L"EXTRA3"},
      {L"CoolButtonE4", Make<TCoolButton>, 12, 224, 25, 24, L"", kHidden, 4, L"Launch Program", L"EXTRA4"},
      {L"BMin", Make<TCoolButton>, 1, 223, 9, 54, L"", kHidden, 0, L"Minimize", L"COLLAPSE"},
      {L"BPrefs", Make<TCoolButton>, 12, 258, 25, 24, L"", kHidden | kDisabled, 0, L"About and Preferences", L"PREFS"},
      {L"BQuit", Make<ui::SpeedButton>, 0, 282, 13, 13, L"", 0, 0, L"Quit", L"QUIT"},
  });
  ui::BindClicks(*this, {
      {L"CoolButton1", &TQV::NewItemClick}, {L"CoolButton2", &TQV::NewItemClick},
      {L"CoolButton3", &TQV::NewItemClick}, {L"CoolButton4", &TQV::NewItemClick},
      {L"CoolButton5", &TQV::NewItemClick}, {L"CoolButton6", &TQV::NewItemClick},
      {L"CoolButton7", &TQV::NewItemClick}, {L"CoolButton8", &TQV::NewItemClick},
      {L"BList1", &TQV::BListFoldersClick}, {L"BList2", &TQV::BListFoldersClick},
      {L"BList3", &TQV::BListFoldersClick}, {L"BList4", &TQV::BListFoldersClick},
      {L"BList5", &TQV::BListFoldersClick}, {L"BList6", &TQV::BListFoldersClick},
      {L"CoolButtonE1", &TQV::CoolButtonE1Click}, {L"CoolButtonE2", &TQV::CoolButtonE1Click},
      {L"CoolButtonE3", &TQV::CoolButtonE1Click}, {L"CoolButtonE4", &TQV::CoolButtonE1Click},
      {L"BMin", &TQV::BMaxMin}, {L"BPrefs", &TQV::AboutButton1Click}, {L"BQuit", &TQV::QuitClick},
  });
  ui::BindMouseUps(*this, {
      {L"CoolButton1", &TQV::NewItemRightClick}, {L"CoolButton2", &TQV::NewItemRightClick},
      {L"CoolButton3", &TQV::NewItemRightClick}, {L"CoolButton4", &TQV::NewItemRightClick},
      {L"CoolButton5", &TQV::NewItemRightClick}, {L"CoolButton6", &TQV::NewItemRightClick},
      {L"CoolButton7", &TQV::NewItemRightClick}, {L"CoolButton8", &TQV::NewItemRightClick},
      {L"BList1", &TQV::BList1MouseUp}, {L"BList2", &TQV::BList1MouseUp}, {L"BList3", &TQV::BList1MouseUp},
      {L"BList4", &TQV::BList1MouseUp}, {L"BList5", &TQV::BList1MouseUp}, {L"BList6", &TQV::BList1MouseUp},
      {L"BPrefs", &TQV::BPrefsMouseUp}, {L"BMinBar", &TQV::BMinBarMouseUp},
  });

  CoolForm1 = &Get<TCoolForm>(L"CoolForm1");
  BMinBar = &Get<ui::Image>(L"BMinBar");
  BQuit = &Get<ui::SpeedButton>(L"BQuit");
  BMin = &Get<TCoolButton>(L"BMin");
  BPrefs = &Get<TCoolButton>(L"BPrefs");
  for (int n = 1; n <= 8; ++n) {
    CoolButton[n] = &Get<TCoolButton>(L"CoolButton" + std::to_wstring(n));
    Label[n] = &Get<ui::Label>(L"Label" + std::to_wstring(n));
    Label[n]->Color = RGB(255, 255, 255);
  }
  for (int n = 1; n <= 6; ++n) BList[n] = &Get<TCoolButton>(L"BList" + std::to_wstring(n));
  for (int n = 1; n <= 4; ++n) CoolButtonE[n] = &Get<TCoolButton>(L"CoolButtonE" + std::to_wstring(n));

  // The association of web-service files, as the form keeps it until the
  // association check reads the registry.
  QRVExtension.SetExtDescription(L"Test");
  QRVExtension.SetFileDescription(L"Test");
  QRVExtension.SetExtension(L".qrv");
  QRVExtension.SetIconIndex(0);
  QRVExtension.SetOpenWithMe(true);
  QRVExtension.SetParamString(L"%1");

  Startup = &AddTimer(L"Startup", 100);
  IdleTimer = &AddTimer(L"IdleTimer", 0);
  PositionTimer = &AddTimer(L"PositionTimer", 1000);
  RTimer = &AddTimer(L"RTimer", 32400001);
  Startup->OnTimer = [this](ui::Timer& t) { StartupTimer(t); };
  IdleTimer->OnTimer = [this](ui::Timer& t) { IdleTimerTimer(t); };
  PositionTimer->OnTimer = [this](ui::Timer& t) { PositionTimerTimer(t); };
  RTimer->OnTimer = [this](ui::Timer& t) { RTimerTimer(t); };
  BuildMenus();
}
