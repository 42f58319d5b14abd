// The Information Item window's attachments, icon chooser, caption-bar menu
// and web-service hint under Wine: files chosen in the dialog and dropped from
// the shell (with a path longer than any fixed buffer), removed with Delete;
// "None" in the chooser; the menu opened from the caption bar; a hint that
// looks like rich text shown as the characters it is.
#include <windows.h>

#include <commdlg.h>
#include <richedit.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "entry/icon_chooser.h"
#include "entry_test_support.h"
#include "ui/gdi.h"
#include "ui/wide.h"

namespace qrv::testing {
namespace {

using enum EntryType;

// Selects a row of a list view as the program would.
void SelectRow(HWND list, int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

class EntryPartsTest : public EntryFixture {
 protected:
  void SetUp() override {
    EntryFixture::SetUp();
    folder_ = std::filesystem::temp_directory_path() / (L"qrv-entry-parts-" + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    EntryFixture::TearDown();
    // The deep path is beyond what the library removes: what stays is in a folder of this run's own.
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::wstring WriteFile(const std::wstring& name, const std::string& bytes) {
    const auto path = folder_ / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path.wstring();
  }
  std::filesystem::path folder_;
};

TEST_F(EntryPartsTest, FilesAreAttachedByDialogAndDropRemovedWithDeleteAndAskBeforeClosing) {
  EntryWindow& window = OpenWindow();
  const std::wstring a = WriteFile(L"a.txt", "a"), b = WriteFile(L"b.doc", "b");
  // A path far longer than MAX_PATH is taken whole.
  const std::wstring deep = WriteFile(
      std::wstring(30, L'd') + L"\\" + std::wstring(200, L'e') + L"\\" + std::wstring(150, L'f') + L".txt", "deep");
  window.chooseFiles = [&] { return std::vector<std::wstring>{a, b}; };
  SendMessageW(FindWindowExW(window.Handle(), nullptr, L"Button", L"A"), BM_CLICK, 0, 0);
  Pump(40);
  DropFiles(window.Handle(), {deep});
  Pump(40);
  EXPECT_EQ(window.LateParts().Attachments(), (std::vector<std::wstring>{a, b, deep}));
  const HWND list = ChildOf(window.Handle(), WC_LISTVIEWW);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(IsWindowVisible(list));

  // Delete removes the selected rows; the list goes with its last row.
  SelectRow(list, 0);
  SelectRow(list, 2);
  SetFocus(list);
  PressKeys({VK_DELETE});
  EXPECT_EQ(window.LateParts().Attachments(), std::vector<std::wstring>{b});
  EXPECT_TRUE(IsWindowVisible(list));
  // Only attachments in the window: closing asks first.
  window.Close();
  Pump(60);
  EXPECT_EQ(prompts.count, 1);
  EXPECT_TRUE(Open(&window));
  SelectRow(list, 0);
  SetFocus(list);
  PressKeys({VK_DELETE});
  EXPECT_TRUE(window.LateParts().Attachments().empty());
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_TRUE(window.Empty());

  // A text document takes a dropped file as its subject and text; a file that
  // cannot be read is reported and changes nothing.
  window.ChooseType(kTextDocument);
  DropFiles(window.Handle(), {deep});
  EXPECT_EQ(window.Header().Subject().Text(), deep);
  EXPECT_EQ(window.Body(), L"deep");
  EXPECT_TRUE(window.LateParts().Attachments().empty());
  const int before = prompts.count;
  DropFiles(window.Handle(), {(folder_ / L"gone.txt").wstring()});
  EXPECT_EQ(prompts.count, before + 1);
  EXPECT_EQ(prompts.kind, MessageKind::kError);
  EXPECT_EQ(window.Body(), L"deep");
}

// A pasted subject longer than Outlook keeps, and a dropped file longer than the
// body takes, are cut at their limits with a word to the user, and the window
// goes on working with what it holds: switching the type and Ctrl+R.
TEST_F(EntryPartsTest, OverlongSubjectsAndDroppedTextsAreCutAndTheUserIsTold) {
  EntryWindow& window = OpenWindow();
  const std::wstring pasted(100000, L'w');
  ASSERT_TRUE(OpenClipboard(window.Handle()));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  PressKeys({'V'}, VK_CONTROL);
  Pump(100);
  EXPECT_TRUE(window.Header().Subject().Text() == pasted.substr(0, kSubjectLimit))
      << window.Header().Subject().Text().size();
  EXPECT_NE(prompts.text.find(L"The subject holds at most 255 characters"), std::wstring::npos) << prompts.text;
  EXPECT_EQ(prompts.count, 1);

  window.ChooseType(kTextDocument);
  std::string big;
  while (big.size() < (5u << 20)) big += "The quick brown fox jumps over the lazy dog.\r\n";
  DropFiles(window.Handle(), {WriteFile(L"big.txt", big)});
  Pump(100);
  EXPECT_EQ(window.Body().size(), static_cast<std::size_t>(kBodyLimit));
  EXPECT_NE(prompts.text.find(L"The text holds at most"), std::wstring::npos) << prompts.text;
  window.ChooseType(kEmail);
  PressKeys({'R'}, VK_CONTROL);
  EXPECT_TRUE(window.Empty());
}

// The rows the window's body shows (the body: its tallest rich edit).
LRESULT BodyRows(const EntryWindow& window) {
  const auto height = [](HWND control) {
    RECT rc{};
    GetWindowRect(control, &rc);
    return rc.bottom - rc.top;
  };
  HWND body = nullptr;
  for (HWND child = GetWindow(window.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[64]{};
    GetClassNameW(child, name, 64);
    if (lstrcmpiW(name, RICHEDIT_CLASSW) == 0 && (!body || height(child) > height(body))) body = child;
  }
  return SendMessageW(body, EM_GETLINECOUNT, 0, 0);
}

// A line the body would wrap costs the rich edit time growing with the square
// of its length: a dropped file of one word longer than that is shown
// unwrapped, whole as far as the body holds it; after a reset the body wraps
// again.
TEST_F(EntryPartsTest, ADroppedTextOfOneVeryLongLineIsShownUnwrapped) {
  EntryWindow& window = OpenWindow();
  window.ChooseType(kTextDocument);
  const std::wstring word = WriteFile(L"word.txt", std::string(5u << 20, 'w'));
  DropFiles(window.Handle(), {word});
  Pump(100);
  EXPECT_TRUE(window.Body() == std::wstring(kBodyLimit, L'w')) << window.Body().size();
  EXPECT_EQ(BodyRows(window), 1);
  EXPECT_EQ(prompts.count, 1);

  PressKeys({'R'}, VK_CONTROL);
  window.ChooseType(kTextDocument);
  std::string words;
  while (words.size() < 300) words += "wrapped words ";
  DropFiles(window.Handle(), {WriteFile(L"words.txt", words)});
  Pump(100);
  EXPECT_GT(BodyRows(window), 2);
}

// The bar's icon pictures: red, green and blue squares of 16 pixels.
void AddIconPictures(ImageList& pictures) {
  for (COLORREF colour : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)}) {
    WindowDc screen(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), 16, 16);
    MemoryDc memory(screen.Get());
    {
      SelectedObject selected(memory.Get(), bitmap);
      OwnedBrush brush(CreateSolidBrush(colour));
      const RECT all{0, 0, 16, 16};
      FillRect(memory.Get(), &all, brush.Get());
    }
    pictures.Add(bitmap);
    DeleteObject(bitmap);
  }
}

// At 144 DPI the chooser's rows and their pictures are half as large again,
// the pictures grown whole; back at 96 it shows the bar's own pictures.
TEST_F(EntryPartsTest, TheIconChoosersRowsAndPicturesFollowItsDpi) {
  const std::vector<std::string> definitions{"VIDODU3", "1 Birthday=FFFF", "2 Call=0F0F", "3 Trip=F0F0"};
  ImageList pictures(16, 16);
  AddIconPictures(pictures);
  IconChooser& chooser = OpenWindow().CreateOwned<IconChooser>(definitions, pictures.Handle());
  const HWND list = chooser.Icons().Handle();
  const auto shown = [list] {
    return reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  };
  chooser.ApplyDpi(144);
  int width = 0, height = 0;
  ImageList_GetIconSize(shown(), &width, &height);
  EXPECT_EQ(std::make_pair(width, height), std::make_pair(24, 24));
  RECT row{};
  row.left = LVIR_BOUNDS;
  SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  EXPECT_GE(row.bottom - row.top, 24);
  WindowDc screen(nullptr);
  MemoryDc memory(screen.Get());
  OwnedBitmap drawn(CreateCompatibleBitmap(screen.Get(), 24, 24));
  SelectedObject selected(memory.Get(), drawn.Get());
  ImageList_Draw(shown(), 1, memory.Get(), 0, 0, ILD_NORMAL);
  EXPECT_EQ(GetPixel(memory.Get(), 23, 23), RGB(0, 255, 0));
  chooser.ApplyDpi(96);
  EXPECT_EQ(shown(), pictures.Handle());
}

// The chooser is answered from inside its modal loop.
std::function<void(HWND)> answerChooser;
void CALLBACK AnswerChooser(HWND, UINT, UINT_PTR timer, DWORD) {
  if (HWND chooser = FindWindowW(nullptr, L"Select Icon"); chooser && IsWindowVisible(chooser)) {
    KillTimer(nullptr, timer);
    answerChooser(chooser);
  }
}

TEST_F(EntryPartsTest, TheIconChooserListsTheNoteIconsAndNoneAlwaysMeansNoIcon) {
  const std::vector<std::string> definitions{"VIDODU3", "1 Birthday=FFFF", "2 Call=0F0F", "3 Trip=F0F0"};
  ImageList pictures(16, 16);
  AddIconPictures(pictures);
  data_.iconDefinitions = &definitions;
  data_.iconPictures = &pictures;
  iconNoteFound_ = true;
  EntryWindow& window = OpenWindow();
  window.ChooseType(kAppointment);
  const HWND iconButton = FindWindowExW(window.Handle(), nullptr, L"Button", L"");
  ASSERT_NE(iconButton, nullptr);
  EXPECT_TRUE(IsWindowVisible(iconButton));

  // Closed after a row was chosen with the keyboard: that icon.
  answerChooser = [](HWND chooser) {
    const HWND list = ChildOf(chooser, WC_LISTVIEWW);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    wchar_t text[32]{};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(list, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"Call");
    SelectRow(list, 2);
    PostMessageW(chooser, WM_CLOSE, 0, 0);
  };
  SetTimer(nullptr, 0, 30, AnswerChooser);
  SendMessageW(iconButton, BM_CLICK, 0, 0);
  EXPECT_EQ(window.Header().IconIndex(), 2);
  EXPECT_TRUE(window.ByHand().icon);
  EXPECT_NE(SendMessageW(iconButton, BM_GETIMAGE, IMAGE_BITMAP, 0), 0);

  // "None" with a row chosen: no icon.
  answerChooser = [](HWND chooser) {
    SelectRow(ChildOf(chooser, WC_LISTVIEWW), 0);
    PostMessageW(FindWindowExW(chooser, nullptr, L"Button", L"None"), BM_CLICK, 0, 0);
  };
  SetTimer(nullptr, 0, 30, AnswerChooser);
  SendMessageW(iconButton, BM_CLICK, 0, 0);
  EXPECT_EQ(window.Header().IconIndex(), -1);
  EXPECT_EQ(FindWindowW(nullptr, L"Select Icon"), nullptr);  // freed with its use

  // Enter on a row chosen with the keyboard: that icon, at once. (Were Enter
  // lost, the chooser would be closed after a while with another row chosen.)
  static HWND openChooser = nullptr;
  answerChooser = [](HWND chooser) {
    openChooser = chooser;
    const HWND list = ChildOf(chooser, WC_LISTVIEWW);
    SetForegroundWindow(chooser);
    SetFocus(list);
    SelectRow(list, 1);
    Key(VK_RETURN, false);
    Key(VK_RETURN, true);
    SetTimer(nullptr, 0, 2000, [](HWND, UINT, UINT_PTR timer, DWORD) {
      KillTimer(nullptr, timer);
      if (!IsWindow(openChooser) || !IsWindowVisible(openChooser)) return;
      SelectRow(ChildOf(openChooser, WC_LISTVIEWW), 0);
      PostMessageW(openChooser, WM_CLOSE, 0, 0);
    });
  };
  SetTimer(nullptr, 0, 30, AnswerChooser);
  SendMessageW(iconButton, BM_CLICK, 0, 0);
  EXPECT_EQ(window.Header().IconIndex(), 1);
}

TEST_F(EntryPartsTest, TheCaptionBarButtonOpensTheSubjectMenu) {
  settings_.keywordRemoval = true;
  EntryWindow& window = OpenWindow();
  const RECT place = window.WindowRect();
  const RECT button = window.CaptionButton().Rect();
  const int frame = GetSystemMetrics(SM_CXFRAME);
  const LPARAM at = MAKELPARAM(place.left + button.left + 3, place.top + button.top + 3);
  EXPECT_EQ(SendMessageW(window.Handle(), WM_NCHITTEST, 0, at), HTBORDER);

  int popups = 0;
  window.CaptionButton().Menu().onPopup = [&] {
    ++popups;
    PostMessageW(window.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  };
  SendMessageW(window.Handle(), WM_NCLBUTTONDOWN, HTBORDER, at);
  EXPECT_EQ(popups, 1);
  // Elsewhere on the caption the click is the system's.
  EXPECT_NE(SendMessageW(window.Handle(), WM_NCHITTEST, 0, MAKELPARAM(place.left + 30, place.top + frame + 4)),
            HTBORDER);

  std::vector<std::wstring> texts;
  for (const MenuItem* item : window.CaptionButton().Menu().Items()) texts.push_back(item->text);
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"Find Contact in Subject", L"Check Names in To/Cc", L"Print Body", L"-",
                                              L"Subject Keyword Removal"}));
  EXPECT_TRUE(window.Parser().KeywordRemoval());
  window.CaptionButton().Menu().Items()[4]->onClick();
  EXPECT_FALSE(window.Parser().KeywordRemoval());
  window.CaptionButton().Menu().Items()[0]->onClick();
  window.CaptionButton().Menu().Items()[1]->onClick();
  EXPECT_EQ(actions_.finds, 1);
  EXPECT_EQ(actions_.checks, 1);
}

TEST_F(EntryPartsTest, AServiceHintIsShownAsPlainTextWithItsKeywordInBold) {
  keywords_ = KeywordMatcher(ReadKeywordRecords(
      {"S=0{GOO}11<CB=Google!><D=news!D><HINT={\\rtf1 \\b Bold?}!H>|https://g/?q=<QRV!>", "K=1{CALL}1"}));
  EntryWindow& window = OpenWindow();
  const HWND subject = GetFocus();
  // An internet entry shows the help in place of the body until a service is
  // chosen, and Tab goes from the subject to the service choice.
  window.ChooseType(EntryType::kInternet);
  SetFocus(subject);
  PressKeys({VK_TAB});
  EXPECT_EQ(GetFocus(), ChildOf(window.Handle(), L"ComboBox", CBS_DROPDOWNLIST | WS_VISIBLE));
  SetFocus(subject);
  const HWND hint = ChildOf(window.Handle(), L"RichEdit20W", ES_READONLY);
  ASSERT_NE(hint, nullptr);
  const auto text = [hint] {
    std::wstring t(static_cast<std::size_t>(GetWindowTextLengthW(hint)) + 1, L'\0');
    t.resize(static_cast<std::size_t>(GetWindowTextW(hint, t.data(), static_cast<int>(t.size()))));
    return t;
  };
  EXPECT_EQ(text().rfind(L"Web Service Support:", 0), 0u);
  EXPECT_TRUE(IsWindowVisible(hint));
  // The subject's keyword chooses the service and its hint follows.
  TypeText(L"goo weather");
  EXPECT_EQ(window.Caption(), L"Internet - QRV");
  EXPECT_TRUE(IsWindowVisible(hint));
  const std::wstring shown = text();
  EXPECT_EQ(shown.rfind(L"{\\rtf1 \\b Bold?}", 0), 0u) << Narrow(shown);
  EXPECT_NE(shown.find(L"Default criteria: news"), std::wstring::npos);
  // The keyword is bold, the hint is not.
  const auto boldAt = [hint](LONG position) {
    CHARRANGE range{position, position + 1};
    SendMessageW(hint, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(hint, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return (format.dwEffects & CFE_BOLD) != 0;
  };
  FINDTEXTW find{{0, -1}, L"Keyword: goo"};
  const LONG keyword = static_cast<LONG>(SendMessageW(hint, EM_FINDTEXTW, FR_DOWN, reinterpret_cast<LPARAM>(&find)));
  ASSERT_GE(keyword, 0);
  EXPECT_TRUE(boldAt(keyword + 9));
  EXPECT_FALSE(boldAt(keyword));
  EXPECT_FALSE(boldAt(1));
}

}  // namespace
}  // namespace qrv::testing
