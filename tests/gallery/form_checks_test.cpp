// The form checks on small forms of their own, each with a fault and without
// it: every check finds the fault it is for, names the control, and finds
// nothing on the form made right.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "form_checks.h"
#include "ui/app.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/panels.h"

namespace {

using qrv::checks::Findings;

bool Names(const Findings& findings, const qrv::Control& control) {
  return std::any_of(findings.begin(), findings.end(), [&](const auto& f) { return f.control == control.Handle(); });
}

template <class F, class... Args>
std::unique_ptr<F> Shown(Args... args) {
  auto form = std::make_unique<F>(args...);
  form->SetWindowRect(60, 60, 360, 260);
  form->Show();
  SetForegroundWindow(form->Handle());
  qrv::Application::Get().ProcessMessages();
  return form;
}

// Expects a check to find nothing, reporting what it found under `what`.
void ExpectNone(const char* what, const Findings& findings) {
  EXPECT_TRUE(findings.empty()) << qrv::checks::Report(what, findings);
}

// A frame above what it frames, as one made first lies: the framed controls,
// clipped by their sibling, never paint.
struct FrameFirst : qrv::Form {
  FrameFirst() : Form({.caption = L"frame first", .clientSize = {300, 180}}) {
    SetWindowPos(frame.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  qrv::GroupBox frame{*this, {.bounds = {8, 8, 200, 100}, .text = L"Reminder"}};
  qrv::CheckBox check{*this, {.bounds = {20, 30, 120, 20}, .text = L"On"}};
  qrv::Edit edit{*this, {.bounds = {20, 60, 120, 20}}};
};

// Made after them, as the layer's users must: everything paints.
struct FrameLast : qrv::Form {
  FrameLast() : Form({.caption = L"frame last", .clientSize = {300, 180}}) {}
  qrv::CheckBox check{*this, {.bounds = {20, 30, 120, 20}, .text = L"On"}};
  qrv::Edit edit{*this, {.bounds = {20, 60, 120, 20}}};
  qrv::Label label{*this, {.bounds = {150, 62, 50, 16}, .text = L"minutes"}};
  qrv::GroupBox frame{*this, {.bounds = {8, 8, 200, 100}, .text = L"Reminder"}};
};

// A frame above its controls fills its face over them: the overlap check names
// them (below); a frame below them leaves nothing unpainted.
TEST(PaintCheck, FindsNothingUnpaintedWhenFramedRight) {
  auto right = Shown<FrameLast>();
  ExpectNone("paint", qrv::checks::CheckPaint(right->Handle()));
}

// A prompt made after its edit box lies below it and partly behind it.
struct PromptBehind : qrv::Form {
  PromptBehind() : Form({.caption = L"prompt", .clientSize = {300, 100}}) {}
  qrv::Edit edit{*this, {.bounds = {60, 8, 150, 20}}};
  qrv::Label prompt{*this, {.bounds = {8, 10, 80, 16}, .text = L"website:"}};
};

TEST(OverlapCheck, NamesTheCoveredControlAndWhatCoversIt) {
  auto behind = Shown<PromptBehind>();
  const Findings covered = qrv::checks::CheckOverlaps(behind->Handle());
  ASSERT_EQ(covered.size(), 1u) << qrv::checks::Report("overlaps", covered);
  EXPECT_EQ(covered[0].control, behind->prompt.Handle());
  EXPECT_NE(covered[0].what.find("edit box"), std::string::npos) << covered[0].what;
  auto wrong = Shown<FrameFirst>();
  EXPECT_TRUE(Names(qrv::checks::CheckOverlaps(wrong->Handle()), wrong->check));
  EXPECT_TRUE(Names(qrv::checks::CheckOverlaps(wrong->Handle()), wrong->edit));
  auto right = Shown<FrameLast>();
  ExpectNone("overlaps", qrv::checks::CheckOverlaps(right->Handle()));
}

// Buttons one under the other touch at 96 DPI and must not overlap once
// scaled: 81 + 21 = 102 at 96 is 153 at 144, where sizes rounded apart give 154.
TEST(OverlapCheck, FindsNoneBetweenControlsThatTouchAtAnyDpi) {
  struct Column : qrv::Form {
    Column() : Form({.caption = L"column", .clientSize = {200, 200}}) {}
    qrv::Button modify{*this, {.bounds = {20, 81, 61, 21}, .text = L"Modify..."}};
    qrv::Button remove{*this, {.bounds = {20, 102, 61, 21}, .text = L"Remove"}};
  };
  auto form = Shown<Column>();
  form->ApplyDpi(144);
  // Controls made at 144 DPI, as a page's are when it is first shown, stand alike.
  qrv::Button modify{*form, {.bounds = {100, 81, 61, 21}, .text = L"Modify..."}};
  qrv::Button remove{*form, {.bounds = {100, 102, 61, 21}, .text = L"Remove"}};
  ExpectNone("overlaps at 144 DPI", qrv::checks::CheckOverlaps(form->Handle()));
}

// Texts each a little too wide for their controls, and the same texts with room.
struct Texts : qrv::Form {
  explicit Texts(int slack) : Form({.caption = L"texts", .clientSize = {330, 220}}), slack(slack) {}
  int slack;
  qrv::Label label{*this, {.bounds = {8, 8, 40 + slack, 16}, .text = L"Reminder:"}};
  qrv::Label wrapped{*this, {.bounds = {8, 28, 100 + slack, 16 + slack}, .text = L"Start the program with Windows"}};
  qrv::CheckBox check{*this, {.bounds = {8, 50, 60 + slack, 20}, .text = L"Show hints"}};
  qrv::RadioButton radio{*this, {.bounds = {8, 74, 60 + slack, 20}, .text = L"Company:"}};
  qrv::Button button{*this, {.bounds = {8, 98, 50 + slack, 23}, .text = L"&Preferences"}};
  qrv::GroupBox frame{*this, {.bounds = {8, 126, 60 + slack, 40}, .text = L"Keyword dialog"}};
  qrv::ComboBox times{*this, {.bounds = {8, 172, 50 + slack, 100}, .items = {L"12:00 AM", L"12:30 PM"}}};
};

TEST(TextFitCheck, FindsEveryKindOfCaptionCutOffAndNoneWithRoom) {
  auto tight = Shown<Texts>(0);
  const Findings cut = qrv::checks::CheckTextFit(tight->Handle());
  for (const qrv::Control* c : std::initializer_list<const qrv::Control*>{
           &tight->label, &tight->wrapped, &tight->check, &tight->radio, &tight->button, &tight->frame, &tight->times})
    EXPECT_TRUE(Names(cut, *c)) << qrv::checks::Describe(c->Handle()) << "\n" << qrv::checks::Report("fit", cut);
  auto roomy = Shown<Texts>(60);
  ExpectNone("fit", qrv::checks::CheckTextFit(roomy->Handle()));
  // At 144 DPI the fonts and the room grow alike.
  roomy->ApplyDpi(144);
  ExpectNone("fit at 144 DPI", qrv::checks::CheckTextFit(roomy->Handle()));
}

TEST(TextFitCheck, FindsTabsBeyondTheirControl) {
  struct ManyTabs : qrv::Form {
    ManyTabs() : Form({.caption = L"tabs", .clientSize = {300, 120}}) {}
    qrv::TabControl tabs{*this, {.bounds = {8, 8, 120, 80}, .pages = {L"General", L"Buttons", L"Keywords"}}};
  };
  auto form = Shown<ManyTabs>();
  EXPECT_TRUE(Names(qrv::checks::CheckTextFit(form->Handle()), form->tabs));
}

// OK made before the field above it: Tab goes up from OK to the field.
struct OkFirst : qrv::Form {
  OkFirst() : Form({.caption = L"ok first", .clientSize = {300, 150}}) {}
  qrv::Button ok{*this, {.bounds = {140, 110, 75, 23}, .text = L"OK", .isDefault = true}};
  qrv::Edit name{*this, {.bounds = {8, 8, 200, 20}}};
  qrv::CheckBox check{*this, {.bounds = {8, 40, 120, 20}, .text = L"Done"}};
};

struct InReadingOrder : qrv::Form {
  InReadingOrder() : Form({.caption = L"in order", .clientSize = {300, 150}}) {}
  qrv::Edit name{*this, {.bounds = {8, 8, 200, 20}}};
  qrv::TabControl tabs{*this, {.bounds = {8, 34, 280, 70}, .pages = {L"One", L"Two"}}};
  qrv::CheckBox onPage{tabs.Page(0), {.bounds = {4, 4, 80, 18}, .text = L"On page"}};
  qrv::Button ok{*this, {.bounds = {140, 110, 75, 23}, .text = L"OK", .isDefault = true}};
  qrv::Button cancel{*this, {.bounds = {220, 110, 75, 23}, .text = L"Cancel", .isCancel = true}};
};

TEST(TabOrderCheck, FindsTabGoingUpAndPassesAFormInReadingOrder) {
  auto wrong = Shown<OkFirst>();
  const Findings up = qrv::checks::CheckTabOrder(wrong->Handle());
  ASSERT_EQ(up.size(), 1u) << qrv::checks::Report("tab order", up);
  EXPECT_EQ(up[0].control, wrong->name.Handle());
  auto right = Shown<InReadingOrder>();
  ExpectNone("tab order", qrv::checks::CheckTabOrder(right->Handle()));
}

// Dialog keys a form may get wrong; `mended` has them right.
struct KeysForm : qrv::Form {
  explicit KeysForm(bool mended) : Form({.caption = L"keys", .clientSize = {300, 160}}), mended(mended) {
    go.onClick = [this] { ++goes; };
    // Unmended, the list box closes the window on Esc as well as its list.
    if (!mended) SetWindowSubclass(combo.Handle(), CloseOnEsc, 1, reinterpret_cast<DWORD_PTR>(Handle()));
  }
  static LRESULT CALLBACK CloseOnEsc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR form) {
    if (msg == WM_KEYDOWN && wp == VK_ESCAPE) PostMessageW(reinterpret_cast<HWND>(form), WM_CLOSE, 0, 0);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  bool PreTranslate(MSG& msg) override {
    // Unmended, a letter typed on a button is a mnemonic, as in the system's dialogs.
    if (!mended && msg.message == WM_CHAR) return IsDialogMessageW(Handle(), &msg) != FALSE;
    if (msg.message != WM_KEYDOWN) return false;
    // Unmended, the page keys are swallowed; mended, they turn the page.
    if (GetKeyState(VK_CONTROL) < 0 && (msg.wParam == VK_TAB || msg.wParam == VK_NEXT || msg.wParam == VK_PRIOR)) {
      if (mended) tabs.SetSelection(1 - tabs.Selection(), qrv::Notify::kYes);  // two pages: back is forth
      return true;
    }
    return false;
  }
  bool mended;
  qrv::Edit text{*this, {.bounds = {8, 8, 200, 20}}};
  qrv::Button tool{*this, {.bounds = {210, 8, 40, 20}, .text = L"Icon"}};
  qrv::ComboBox combo{*this, {.bounds = {8, 34, 120, 100}, .items = {L"Task", L"Note"}}};
  qrv::TabControl tabs{*this, {.bounds = {8, 60, 200, 60}, .pages = {L"One", L"Two"}}};
  qrv::Button go{*this, {.bounds = {210, 130, 75, 23}, .text = L"&Go"}};
  int goes = 0;
};

TEST(KeyChecks, FindEscClosingCtrlTabIgnoredAndALetterAfterAClickClicking) {
  auto wrong = Shown<KeysForm>(false);
  qrv::checks::Examined seen;
  const Findings esc = qrv::checks::CheckEscInDropDowns(wrong->Handle(), seen);
  EXPECT_TRUE(Names(esc, wrong->combo)) << qrv::checks::Report("esc", esc);
  EXPECT_TRUE(wrong->Visible()) << "the check keeps the window from closing";
  const Findings pages = qrv::checks::CheckTabPageKeys(wrong->Handle(), seen);
  EXPECT_EQ(pages.size(), 4u) << qrv::checks::Report("pages", pages);
  const Findings letter = qrv::checks::CheckLetterAfterClick(wrong->Handle(), seen);
  ASSERT_EQ(letter.size(), 1u) << qrv::checks::Report("letter", letter);
  EXPECT_EQ(letter[0].control, wrong->tool.Handle());
  EXPECT_NE(letter[0].what.find("clicks button \"&Go\""), std::string::npos) << letter[0].what;
  EXPECT_EQ(wrong->goes, 0) << "the check runs no command";
  wrong->Hide();
  // The same window made again is not examined again.
  auto again = Shown<KeysForm>(false);
  EXPECT_TRUE(qrv::checks::CheckLetterAfterClick(again->Handle(), seen).empty()) << "each button is pressed once";
  EXPECT_TRUE(qrv::checks::CheckEscInDropDowns(again->Handle(), seen).empty()) << "each list is opened once";
  again->Hide();

  auto right = Shown<KeysForm>(true);
  seen = {};
  ExpectNone("esc", qrv::checks::CheckEscInDropDowns(right->Handle(), seen));
  ExpectNone("pages", qrv::checks::CheckTabPageKeys(right->Handle(), seen));
  EXPECT_EQ(right->tabs.Selection(), 0);
  const std::size_t before = seen.Count();
  ExpectNone("letter", qrv::checks::CheckLetterAfterClick(right->Handle(), seen));
  EXPECT_EQ(seen.Count() - before, 2u) << "both buttons pressed";
}

// A box with no owner leaves no window of the thread active when it closes,
// so keys typed next go nowhere; one owned by the form gives it back its focus.
TEST(KeyChecks, FindTheFocusLostAfterABoxWithoutOwner) {
  struct Fields : qrv::Form {
    Fields() : Form({.caption = L"fields", .clientSize = {300, 100}}) {}
    qrv::Edit first{*this, {.bounds = {8, 8, 200, 20}}};
    qrv::Edit second{*this, {.bounds = {8, 34, 200, 20}}};
  };
  auto form = Shown<Fields>();
  const Findings lost = qrv::checks::CheckFocusAfterBox(form->Handle(), nullptr);
  EXPECT_FALSE(lost.empty());
  ExpectNone("focus after a box", qrv::checks::CheckFocusAfterBox(form->Handle(), form->Handle()));
  EXPECT_EQ(GetFocus(), form->second.Handle());
}

}  // namespace
