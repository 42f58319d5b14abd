// The subject's marks under Wine, read back from the rich edit's character
// formats while the subject is typed: the phrases keyword removal takes out
// are marked, nothing else is, and the stored subject leaves them out.
#include <windows.h>

#include <richedit.h>

#include <gtest/gtest.h>

#include <optional>

#include "entry_test_support.h"

namespace qrv::testing {
namespace {

using enum EntryType;

// The one colour of the characters [start, end) of the focused rich edit, or
// none when they differ; the caret goes back to the end.
std::optional<COLORREF> ColourOf(LONG start, LONG end) {
  const HWND edit = GetFocus();
  CHARRANGE range{start, end};
  SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
  if (!(format.dwMask & CFM_COLOR)) return std::nullopt;
  return (format.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : format.crTextColor;
}

class SubjectMarksTest : public EntryFixture {
 protected:
  COLORREF text_ = GetSysColor(COLOR_WINDOWTEXT);
  COLORREF mark_ = GetSysColor(COLOR_INACTIVECAPTIONTEXT) != text_ ? GetSysColor(COLOR_INACTIVECAPTIONTEXT)
                                                                   : GetSysColor(COLOR_GRAYTEXT);
};

TEST_F(SubjectMarksTest, TheUsedPhrasesAreMarkedAsTheSubjectIsTyped) {
  ASSERT_NE(mark_, text_);
  EntryWindow& window = OpenWindow();
  TypeText(L"Meet Ron on 5/3/03");
  EXPECT_EQ(window.TypeButtons().Down(), kAppointment);
  EXPECT_EQ(ColourOf(0, 9), text_);  // "on" ends "Ron" too, but only the word is marked
  EXPECT_EQ(ColourOf(9, 18), mark_);
  EXPECT_EQ(window.Parser().StoredSubject(), L"Meet Ron");
  // Text typed right after a mark is plain; the mark moves with its words.
  TypeText(L" ok");
  EXPECT_EQ(ColourOf(18, 21), text_);
  PressKeys({VK_HOME});
  TypeText(L"Zoë: ");
  EXPECT_EQ(ColourOf(0, 14), text_);
  EXPECT_EQ(ColourOf(14, 23), mark_);
  EXPECT_EQ(window.Parser().StoredSubject(), L"Zoë: Meet Ron ok");
  // Off, or for a type that keeps its dates, nothing is marked or taken out.
  window.Parser().SetKeywordRemoval(false);
  EXPECT_EQ(ColourOf(0, 26), text_);
  EXPECT_EQ(window.Parser().StoredSubject(), window.Header().Subject().Text());
  window.Parser().SetKeywordRemoval(true);
  EXPECT_EQ(ColourOf(14, 23), mark_);
  window.ChooseType(kNote);
  EXPECT_EQ(ColourOf(0, 26), text_);
  EXPECT_EQ(window.Parser().StoredSubject(), window.Header().Subject().Text());
}

TEST_F(SubjectMarksTest, WordsThatOnlyHoldAPhraseStayUnmarked) {
  EntryWindow& window = OpenWindow();
  TypeText(L"Lunch with Simon");
  EXPECT_EQ(ColourOf(0, 16), text_);
  EXPECT_EQ(window.Parser().StoredSubject(), L"Lunch with Simon");
  PressKeys({VK_BACK});
  TypeText(L"n tomorrow");
  EXPECT_EQ(ColourOf(0, 17), text_);
  EXPECT_EQ(ColourOf(17, 25), mark_);
  EXPECT_EQ(window.Parser().StoredSubject(), L"Lunch with Simon");
}

}  // namespace
}  // namespace qrv::testing
