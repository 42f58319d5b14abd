// The Information Item window under Wine, driven by real key input: a subject
// parsed as it is typed, choices made by hand kept, the Ctrl and type keys,
// the time boxes, the panels and closing with and without text.
#include <windows.h>

#include <winspool.h>

#include <gtest/gtest.h>

#include "entry_test_support.h"

namespace qrv::testing {
namespace {

using enum EntryType;

SIZE ClientOf(const Form& window) {
  RECT rc{};
  GetClientRect(window.Handle(), &rc);
  return {rc.right, rc.bottom};
}

void Chord(std::initializer_list<WORD> held, WORD key) {
  for (WORD k : held) Key(k, false);
  Key(key, false);
  Key(key, true);
  for (WORD k : held) Key(k, true);
  Pump(80);
}

class EntryWindowTest : public EntryFixture {};

TEST_F(EntryWindowTest, ANewWindowIsAnEmptyTaskAtItsSmallestSize) {
  EntryWindow& window = OpenWindow();
  EXPECT_EQ(window.Caption(), L"Task - QRV");
  EXPECT_EQ(window.TypeButtons().Down(), kTask);
  EXPECT_FALSE(window.Dates().PanelShown());
  EXPECT_EQ(window.Dates().StartTimeText(), L"None");
  EXPECT_EQ(window.Dates().EndTimeText(), L"None");
  EXPECT_EQ(window.TypeButtons().ItemPriority(), Priority::kNormal);
  EXPECT_EQ(window.Dates().Range(), (DateRange{kToday, kToday}));
  EXPECT_EQ(listed_, 1);
  const RECT place = window.WindowRect();
  EXPECT_EQ(place.left, 40);
  EXPECT_EQ(place.top, 100);
  // The date panel, first shown by a journal entry, holds the day and no end time.
  Chord({VK_CONTROL, VK_SHIFT}, 'J');
  ASSERT_TRUE(window.Dates().PanelShown());
  EXPECT_EQ(window.Dates().StartTimeText(), L"10:15 AM");
  EXPECT_EQ(window.Dates().EndTimeText(), L"None");
  EXPECT_EQ(window.Dates().Range(), (DateRange{kToday, kToday}));
  // The second window opens one step down the cascade.
  EntryWindow& second = OpenWindow();
  EXPECT_EQ(second.WindowRect().left, 64);
  EXPECT_EQ(second.WindowRect().top, 112);
}

// The next window is made ahead out of sight: it takes neither the focus nor a
// caption a search would find, and it is opened only while nothing it was made
// from has changed.
TEST_F(EntryWindowTest, AWindowMadeAheadStaysOutOfSightAndOpensOnlyWhileCurrent) {
  EntryWindow& first = OpenWindow();
  TypeText(L"a");
  ReadyEntryWindow ready(data_, actions_, clock_);
  ready.Prepare();
  Pump(60);
  EXPECT_EQ(GetForegroundWindow(), first.Handle());
  EXPECT_TRUE(IsChild(first.Handle(), GetFocus()));
  EXPECT_EQ(FindWindowW(nullptr, L"Task - QRV"), first.Handle());

  EntryWindow& second = Opened(ready.Open(Opening()));
  EXPECT_TRUE(IsWindowVisible(second.Handle()));
  EXPECT_EQ(second.Caption(), L"Task - QRV");
  EXPECT_EQ(listed_, 2);
  EXPECT_EQ(second.WindowRect().top, 112);
  TypeText(L"call Anna");
  EXPECT_EQ(second.Header().Subject().Text(), L"call Anna");
  EXPECT_EQ(first.Header().Subject().Text(), L"a");

  ready.Prepare();
  settings_.keywordRemoval = !settings_.keywordRemoval;
  EXPECT_FALSE(ready.Ready());
  EntryWindow& third = Opened(ready.Open(Opening()));
  EXPECT_EQ(third.Parser().KeywordRemoval(), settings_.keywordRemoval);
  EXPECT_EQ(third.Caption(), L"Task - QRV");
}

// Made ahead on a screen of 144 DPI, the windows open in the cascade of 96 DPI
// scaled: the first right of the open bar (57 pixels wide there) at the bar's
// top, the next one step further.
TEST_F(EntryWindowTest, AtAnotherDpiTheCascadeStandsRightOfTheOpenBar) {
  ReadyEntryWindow ready(data_, actions_, clock_);
  const auto openAt144 = [&] {
    ready.Prepare();
    HWND made = FindWindowW(L"QrvForm", L"Information");
    RECT r{};
    GetWindowRect(made, &r);
    RECT suggested{r.left, r.top, r.left + (r.right - r.left) * 3 / 2, r.top + (r.bottom - r.top) * 3 / 2};
    SendMessageW(made, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EntryWindow& window = Opened(ready.Open(Opening()));
    EXPECT_EQ(window.Handle(), made);
    EXPECT_EQ(window.Dpi(), 144u);
    return window.WindowRect();
  };
  const RECT first = openAt144();
  EXPECT_EQ(first.left, 60);
  EXPECT_EQ(first.top, 100);
  const RECT second = openAt144();
  EXPECT_EQ(second.left, 96);
  EXPECT_EQ(second.top, 118);
}

TEST_F(EntryWindowTest, TypingASubjectChoosesTypeDateAndTimes) {
  EntryWindow& window = OpenWindow();
  const int height = ClientOf(window).cy;
  const HWND subject = GetFocus();
  const auto subjectHeight = [subject] {
    RECT rc{};
    GetWindowRect(subject, &rc);
    return rc.bottom - rc.top;
  };
  const LONG oneLine = subjectHeight();
  TypeText(L"lunch with Bob and Carol at the old harbour tomorrow at noon");
  EXPECT_GT(subjectHeight(), oneLine);  // it wraps: two lines
  const RECT rc = window.WindowRect();
  window.SetWindowRect(rc.left, rc.top, rc.right - rc.left + window.Scale(200), rc.bottom - rc.top);
  EXPECT_EQ(subjectHeight(), oneLine);  // wide enough for one
  window.SetWindowRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  EXPECT_GT(subjectHeight(), oneLine);
  EXPECT_EQ(window.Header().Subject().Text(), L"lunch with Bob and Carol at the old harbour tomorrow at noon");
  EXPECT_EQ(window.TypeButtons().Down(), kAppointment);  // a time and no keyword: the default kind
  EXPECT_EQ(window.Caption(), L"Appointment - QRV");
  EXPECT_TRUE(window.Dates().PanelShown());
  EXPECT_GT(ClientOf(window).cy, height);
  EXPECT_EQ(window.Dates().Range(), (DateRange{{2003, 3, 4}, {2003, 3, 4}}));
  EXPECT_EQ(window.Dates().StartTimeText(), L"12:00 PM");
  EXPECT_EQ(window.Dates().EndTimeText(), L"1:00 PM");
  EXPECT_FALSE(window.ByHand().type);
  // Taking the time out again clears the boxes; the type stays.
  for (int i = 0; i < 8; ++i) PressKeys({VK_BACK});
  EXPECT_EQ(window.Dates().StartTimeText(), L"None");
  EXPECT_EQ(window.TypeButtons().Down(), kAppointment);
  Chord({VK_CONTROL}, 'R');
  EXPECT_EQ(subjectHeight(), oneLine);
}

TEST_F(EntryWindowTest, WhatTheUserChoseByHandIsNeverOverwritten) {
  EntryWindow& window = OpenWindow();
  Chord({VK_CONTROL, VK_SHIFT}, 'N');  // a note, by hand
  EXPECT_EQ(window.TypeButtons().Down(), kNote);
  EXPECT_TRUE(window.ByHand().type);
  TypeText(L"call Anna friday 3pm");
  EXPECT_EQ(window.TypeButtons().Down(), kNote);
  Chord({VK_CONTROL, VK_SHIFT}, 'A');
  EXPECT_EQ(window.Caption(), L"Appointment - QRV");
  // A start time typed by hand stays when the subject changes.
  Chord({VK_CONTROL}, 'D');
  SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
  TypeText(L"930");
  PressKeys({VK_RETURN});
  EXPECT_EQ(window.Dates().StartTimeText(), L"9:30 AM");
  EXPECT_TRUE(window.ByHand().time);
  EXPECT_EQ(window.Dates().EndTimeText(), L"4:00 PM");  // the subject's, not filled again
}

TEST_F(EntryWindowTest, ARecipientMakesAParsedTaskOrAppointmentAnEMailAndEmptyingToParsesAgain) {
  EntryWindow& window = OpenWindow();
  const HWND to = FindWindowExW(window.Handle(), nullptr, L"Edit", nullptr);
  const auto emptyTo = [to] {
    SetFocus(to);
    SendMessageW(to, EM_SETSEL, 0, -1);
    PressKeys({VK_BACK});
  };
  TypeText(L"lunch tomorrow at noon");
  ASSERT_EQ(window.TypeButtons().Down(), kAppointment);
  SetFocus(to);
  TypeText(L"bob");
  EXPECT_EQ(window.TypeButtons().Down(), kEmail);
  EXPECT_EQ(window.Caption(), L"E-Mail - QRV");
  EXPECT_FALSE(window.Dates().PanelShown());
  EXPECT_FALSE(window.ByHand().type);
  // With a name in To the subject chooses nothing; emptied, the subject's time
  // makes it an appointment again.
  emptyTo();
  EXPECT_EQ(window.TypeButtons().Down(), kAppointment);
  EXPECT_EQ(window.Caption(), L"Appointment - QRV");
  // Blanks are no recipient.
  SetFocus(to);
  TypeText(L"  ");
  EXPECT_EQ(window.TypeButtons().Down(), kAppointment);
  emptyTo();
  // A type chosen by hand stays: its To makes it a request, and emptying To
  // makes it a task again.
  Chord({VK_CONTROL, VK_SHIFT}, 'K');
  SetFocus(to);
  TypeText(L"ann");
  EXPECT_EQ(window.TypeButtons().Down(), kTask);
  EXPECT_EQ(window.Caption(), L"Task Request - QRV");
  emptyTo();
  EXPECT_EQ(window.Caption(), L"Task - QRV");
}

TEST_F(EntryWindowTest, CategoryKeywordsChooseCategoriesAndOpenTheirPanel) {
  EntryWindow& window = OpenWindow();
  TypeText(L"phone Bob");
  // A category Outlook does not list yet is added to the list and chosen.
  EXPECT_EQ(window.LateParts().ChosenCategories(), std::vector<std::wstring>{L"Phone Calls"});
  EXPECT_TRUE(window.LateParts().CategoryPanelShown());
  for (int i = 0; i < 9; ++i) PressKeys({VK_BACK});
  EXPECT_TRUE(window.LateParts().ChosenCategories().empty());
  EXPECT_TRUE(window.LateParts().CategoryPanelShown());  // the panel stays open
}

TEST_F(EntryWindowTest, CtrlKeysRunCommandsAndLeaveClipboardKeysToTheField) {
  EntryWindow& window = OpenWindow();
  TypeText(L"memo");
  Chord({VK_CONTROL}, 'A');
  Chord({VK_CONTROL}, 'C');
  Chord({VK_CONTROL}, 'V');
  Chord({VK_CONTROL}, 'V');
  EXPECT_EQ(window.Header().Subject().Text(), L"memomemo");
  Chord({VK_CONTROL}, 'Q');  // no command: not typed either
  EXPECT_EQ(window.Header().Subject().Text(), L"memomemo");
  Chord({VK_CONTROL}, 'S');
  EXPECT_EQ(actions_.saves, 1);
  EXPECT_EQ(actions_.savedSubject, L"memomemo");
  EXPECT_TRUE(Open(&window));  // the save did not finish: the window stays
  Chord({VK_CONTROL}, 'K');
  Chord({VK_CONTROL}, 'F');
  EXPECT_EQ(actions_.checks, 1);
  EXPECT_EQ(actions_.finds, 1);
  // Ctrl+5 picks e-mail through the key's release, Ctrl+Shift+M as well.
  Chord({VK_CONTROL}, '5');
  EXPECT_EQ(window.Caption(), L"E-Mail - QRV");
  Chord({VK_CONTROL, VK_SHIFT}, 'K');
  EXPECT_EQ(window.TypeButtons().Down(), kTask);
  // A dated task loses its date with Ctrl+N and gets it back with Ctrl+D.
  Chord({VK_CONTROL}, 'D');
  EXPECT_TRUE(window.Dates().PanelShown());
  Chord({VK_CONTROL}, 'N');
  EXPECT_FALSE(window.Dates().PanelShown());
  Chord({VK_CONTROL}, 'R');
  EXPECT_EQ(window.Header().Subject().Text(), L"");
  EXPECT_EQ(window.Caption(), L"Task - QRV");
}

TEST_F(EntryWindowTest, CtrlKeysRunCommandsWhileTheCalendarOrTheCategoryListHasTheFocus) {
  EntryWindow& window = OpenWindow();
  TypeText(L"memo");
  Chord({VK_CONTROL}, 'D');
  ASSERT_TRUE(window.Dates().PanelShown());
  SetFocus(ChildOf(window.Handle(), MONTHCAL_CLASSW));
  Pump(50);
  Chord({VK_CONTROL}, 'S');
  EXPECT_EQ(actions_.saves, 1);
  Chord({VK_CONTROL, VK_SHIFT}, 'N');
  EXPECT_EQ(window.TypeButtons().Down(), kNote);
  window.ToggleCategoryPanel();
  SetFocus(ChildOf(window.Handle(), WC_LISTBOXW));
  Pump(50);
  Chord({VK_CONTROL}, 'R');
  EXPECT_EQ(window.Header().Subject().Text(), L"");
}

// While one window shows a message box, the keys typed into another are read
// in the box's loop: the other window's commands and type keys still work.
EntryWindow* keyedWindow = nullptr;
HWND boxOwner = nullptr;
int keyedTicks = 0;
void CALLBACK TypeIntoOtherWindow(HWND, UINT, UINT_PTR timer, DWORD) {
  ++keyedTicks;
  if (keyedTicks == 2) {
    SetForegroundWindow(keyedWindow->Handle());
  } else if (keyedTicks == 4) {
    for (WORD k : {WORD{VK_CONTROL}, WORD{VK_SHIFT}, WORD{'N'}}) Key(k, false);
    for (WORD k : {WORD{'N'}, WORD{VK_SHIFT}, WORD{VK_CONTROL}}) Key(k, true);
  } else if (keyedTicks == 8 || keyedTicks > 40) {
    KillTimer(nullptr, timer);
    const HWND box = FindThreadWindow([](HWND w) { return GetWindow(w, GW_OWNER) == boxOwner; });
    if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
}

TEST_F(EntryWindowTest, AWindowKeepsItsKeysWhileAnotherShowsAMessageBox) {
  EntryWindow& asking = OpenWindow();
  EntryWindow& other = OpenWindow();
  keyedWindow = &other;
  boxOwner = asking.Handle();
  keyedTicks = 0;
  SetPromptHandler(nullptr);
  SetTimer(nullptr, 0, 60, TypeIntoOtherWindow);
  ShowMessage(L"Asking", MessageKind::kInformation, MessageButtons::kOk, {.owner = asking.Handle()});
  SetPromptHandler(AnswerPrompt);
  EXPECT_EQ(other.TypeButtons().Down(), kNote);
  EXPECT_EQ(asking.TypeButtons().Down(), kTask);
}

TEST_F(EntryWindowTest, AltGrCharactersAreTypedIntoTheFields) {
  EntryWindow& window = OpenWindow();
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = keys[VK_MENU] = keys[VK_RMENU] = 0x80;
  SetKeyboardState(keys);
  HWND subject = GetFocus();
  for (wchar_t c : std::wstring(L"a@b\\{\u20AC")) PostMessageW(subject, WM_CHAR, c, 0);
  Pump(80);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = keys[VK_MENU] = keys[VK_RMENU] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(window.Header().Subject().Text(), L"a@b\\{\u20AC");
  EXPECT_EQ(window.TypeButtons().Down(), kTask);
}

TEST_F(EntryWindowTest, EscapeClosesAnEmptyWindowAndAsksWhenItHoldsText) {
  EntryWindow& empty = OpenWindow();
  PressKeys({VK_ESCAPE});
  Pump(80);
  EXPECT_FALSE(Open(&empty));
  EXPECT_EQ(prompts.count, 0);

  EntryWindow& window = OpenWindow();
  TypeText(L"keep me");
  promptAnswer = DialogResult::kCancel;
  PressKeys({VK_ESCAPE});
  Pump(80);
  EXPECT_EQ(prompts.count, 1);
  EXPECT_EQ(prompts.text, L"Save Information Item before closing? ");
  EXPECT_TRUE(Open(&window));
  // Yes with a save that stops keeps the window and its text.
  promptAnswer = DialogResult::kYes;
  PressKeys({VK_ESCAPE});
  Pump(80);
  EXPECT_EQ(actions_.saves, 1);
  EXPECT_TRUE(Open(&window));
  EXPECT_EQ(window.Header().Subject().Text(), L"keep me");
  // Yes with a save that finishes closes the window once.
  actions_.saveFinishes = true;
  PressKeys({VK_ESCAPE});
  Pump(120);
  EXPECT_EQ(actions_.saves, 2);
  EXPECT_FALSE(Open(&window));
  EXPECT_EQ(prompts.count, 3);
}

// The closing question belongs to the window: answered Cancel, it leaves the
// window in front and the next keys in the subject.
TEST_F(EntryWindowTest, TypingGoesOnInTheSubjectAfterTheClosingQuestionIsCancelled) {
  EntryWindow& window = OpenWindow();
  TypeText(L"keep");
  SetPromptHandler(nullptr);  // the real box
  AnswerNextBox(IDCANCEL);
  PressKeys({VK_ESCAPE});
  Pump(80);
  EXPECT_EQ(answeredBox.owner, window.Handle());
  EXPECT_EQ(GetForegroundWindow(), window.Handle());
  TypeText(L" on");
  EXPECT_EQ(window.Header().Subject().Text(), L"keep on");
  EXPECT_TRUE(Open(&window));
}

TEST_F(EntryWindowTest, AWindowHoldingOnlyABodyAsks) {
  EntryWindow& window = OpenWindow();
  const HWND subject = GetFocus();
  for (int i = 0; i < 10; ++i) {
    wchar_t name[32]{};
    GetClassNameW(GetFocus(), name, 32);
    if (GetFocus() != subject && lstrcmpiW(name, L"RichEdit20W") == 0) break;
    PressKeys({VK_TAB});
  }
  TypeText(L"notes");
  ASSERT_EQ(window.Body(), L"notes");
  window.Close();
  Pump(80);
  EXPECT_EQ(prompts.count, 1);
  EXPECT_TRUE(Open(&window));
  EXPECT_FALSE(window.Empty());
}

TEST_F(EntryWindowTest, TabAndEnterFollowTheSettingAndTheType) {
  settings_.tab = true;
  EntryWindow& window = OpenWindow();
  const HWND subject = GetFocus();
  PressKeys({VK_RETURN});  // the subject stays one line
  EXPECT_EQ(window.Header().Subject().Text(), L"");
  for (int i = 0; i < 10 && window.Body().empty(); ++i) PressKeys({VK_TAB});
  EXPECT_EQ(window.Body(), L"\t");  // the body took the Tab
  const HWND body = GetFocus();
  PressKeys({VK_TAB}, VK_SHIFT);
  EXPECT_NE(GetFocus(), body);
  // Enter in the subject of an internet entry runs the search, which done
  // clears and closes the window as every finished command does.
  SetFocus(subject);
  Chord({VK_CONTROL, VK_SHIFT}, 'I');
  EXPECT_EQ(window.Caption(), L"Internet - QRV");
  PressKeys({VK_RETURN});
  EXPECT_EQ(actions_.opens, 1);
  Pump(80);
  EXPECT_FALSE(Open(&window));
}

TEST_F(EntryWindowTest, TimeBoxesAreNormalisedWhenLeftAndTheEndFollows) {
  EntryWindow& window = OpenWindow();
  Chord({VK_CONTROL, VK_SHIFT}, 'A');
  ASSERT_TRUE(window.Dates().PanelShown());
  Chord({VK_CONTROL}, 'D');  // to the start time
  SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
  TypeText(L"11:30p");
  PressKeys({VK_RETURN});
  EXPECT_EQ(window.Dates().StartTimeText(), L"11:30 PM");
  EXPECT_EQ(window.Dates().EndTimeText(), L"12:30 AM");                  // wraps at midnight
  EXPECT_EQ(window.Dates().Range(), (DateRange{kToday, {2003, 3, 4}}));  // and ends the next day
  TypeText(L"x");
  PressKeys({VK_TAB});
  EXPECT_EQ(window.Dates().StartTimeText(), L"None");  // no time
  EXPECT_EQ(prompts.count, 0);
  // A journal entry starts now when it has no start time.
  Chord({VK_CONTROL, VK_SHIFT}, 'J');
  EXPECT_EQ(window.Dates().StartTimeText(), L"10:15 AM");
}

// The time lists are filled when first used: the arrow keys still step through them from the time shown.
TEST_F(EntryWindowTest, TheArrowKeysStepThroughTheTimesFromTheOneShown) {
  EntryWindow& window = OpenWindow();
  Chord({VK_CONTROL, VK_SHIFT}, 'A');
  Chord({VK_CONTROL}, 'D');  // to the start time, showing "None"
  PressKeys({VK_DOWN});
  EXPECT_EQ(window.Dates().StartTimeText(), L"12:00 AM");
  EntryWindow& parsed = OpenWindow();
  TypeText(L"lunch tomorrow at noon");
  ASSERT_EQ(parsed.Dates().StartTimeText(), L"12:00 PM");
  Chord({VK_CONTROL}, 'D');
  PressKeys({VK_DOWN});
  EXPECT_EQ(parsed.Dates().StartTimeText(), L"12:30 PM");
  PressKeys({VK_UP});
  PressKeys({VK_UP});
  EXPECT_EQ(parsed.Dates().StartTimeText(), L"11:30 AM");
}

TEST_F(EntryWindowTest, PanelsGrowTheWindowUnlessItIsMaximised) {
  EntryWindow& window = OpenWindow();
  const SIZE before = ClientOf(window);
  window.ToggleCategoryPanel();
  EXPECT_GT(ClientOf(window).cx, before.cx);
  window.ToggleCategoryPanel();
  EXPECT_EQ(ClientOf(window).cx, before.cx);
  ShowWindow(window.Handle(), SW_MAXIMIZE);
  Pump(80);
  const RECT maximised = window.WindowRect();
  window.ToggleCategoryPanel();
  window.ChooseType(kAppointment);
  EXPECT_TRUE(window.Dates().PanelShown());
  EXPECT_TRUE(window.LateParts().CategoryPanelShown());
  EXPECT_EQ(window.WindowRect().right, maximised.right);
  EXPECT_EQ(window.WindowRect().bottom, maximised.bottom);
}

TEST_F(EntryWindowTest, PrintingWithoutAPrinterSaysSo) {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size != 0) GTEST_SKIP() << "a printer is installed here";
  EntryWindow& window = OpenWindow();
  TypeText(L"print me");
  Chord({VK_CONTROL}, 'P');
  EXPECT_EQ(prompts.count, 1);
  EXPECT_NE(prompts.text.find(L"no printer"), std::wstring::npos);
  EXPECT_EQ(window.Header().Subject().Text(), L"print me");
  EXPECT_TRUE(Open(&window));
}

}  // namespace
}  // namespace qrv::testing
