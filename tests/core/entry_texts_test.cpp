#include "core/entry_texts.h"

#include <gtest/gtest.h>

#include "core/service_editing.h"

namespace qrv {
namespace {

using Names = std::vector<std::string>;

TEST(EntryTexts, RecipientsAreCutTrimmedAndJoinedWithoutBlanks) {
  EXPECT_EQ(SplitRecipients("Ann Lee, Bob;Carl"), (Names{"Ann Lee", "Bob", "Carl"}));
  EXPECT_EQ(SplitRecipients(" ; Ann ,, ;"), (Names{"Ann"}));
  EXPECT_TRUE(SplitRecipients("   ").empty());
  // Display names written back hold commas of their own: only ";" cuts them.
  EXPECT_EQ(SplitRecipients("Smith, John;Lee, Ann", false), (Names{"Smith, John", "Lee, Ann"}));
  EXPECT_EQ(JoinRecipients({"Smith, John", "Bob"}), "Smith, John;Bob");
  EXPECT_EQ(JoinRecipients({}), "");
}

TEST(EntryTexts, OnlyWebAndFtpAddressesAreOpened) {
  for (const char* address : {"http://example.com", "HTTPS://example.com/a?b=c", "Http://x", " FTP://ftp.x.org/a"}) {
    EXPECT_TRUE(IsSearchAddress(address)) << address;
  }
  for (const char* address : {"\\\\server\\share\\run.exe", "http://a\nb", "http://a\tb", "https://x\x7f", "ftp://a\nb",
                              "file:///c:/x", "ftps://x", "ftp:x"}) {
    EXPECT_FALSE(IsSearchAddress(address)) << address;
  }
  // A subject gets "Http://" unless it already names a scheme.
  EXPECT_EQ(AddressOfSubject("www.example.com"), "Http://www.example.com");
  EXPECT_EQ(AddressOfSubject("HTTPS://example.com"), "HTTPS://example.com");
  EXPECT_EQ(AddressOfSubject("see ftp://example.com"), "see ftp://example.com");
}

TEST(EntryTexts, TemplatesTakeTodayAndTheFirstCriteriaPlace) {
  const Date march5{2004, 3, 5};
  EXPECT_EQ(FillUrlTemplate("http://x/<Y>/<MM>/<M>/<DD>/<D>/<DD>", march5, "", ""), "http://x/2004/03/3/05/5/05");
  EXPECT_EQ(FillUrlTemplate("http://x/?q=<QRV!>&r=<QRV!>", march5, "a b", "d"), "http://x/?q=a+b&r=<QRV!>");
  EXPECT_EQ(FillUrlTemplate("http://x/?q=<QRV!>", march5, "", "news"), "http://x/?q=news");
  EXPECT_EQ(FillUrlTemplate("http://x/?q=<QRV!>", march5, "", ""), "http://x/?q=");
  EXPECT_EQ(FillUrlTemplate("http://x/?q=<QRV!>", march5, "rock & roll", ""), "http://x/?q=rock+%26+roll");
}

TEST(EntryTexts, CriteriaFollowTheKeywordAndServicesComeFromTheirFirstLine) {
  EXPECT_EQ(SearchCriteria("google  red shoes ", "GOOGLE"), "red shoes");
  EXPECT_EQ(SearchCriteria("Google", "google"), "");
  EXPECT_EQ(SearchCriteria(" red shoes ", "google"), "red shoes");
  EXPECT_EQ(SearchCriteria("red shoes", ""), "red shoes");
  const std::vector<std::string> list = {"K=1{CALL}1", "W=1{G}<CB=Google!><D=today!D>|http://g/?q=<QRV!>",
                                         "W=1{G2}<CB=Google!>|http://other/"};
  EXPECT_EQ(FindServiceLine(list, "Google"), list[1]);
  EXPECT_FALSE(FindServiceLine(list, "Goo"));
}

TEST(EntryTexts, BrowserGetsItsPathQuotedAndTheAddressAsOneArgument) {
  EXPECT_EQ(BrowserCommandLine("C:\\Program Files\\Web\\web.exe", "http://x/?q=\"a b\""),
            "\"C:\\Program Files\\Web\\web.exe\" \"http://x/?q=%22a b%22\"");
  EXPECT_EQ(BrowserCommandLine("\"C:\\web.exe\"", "http://x"), "\"C:\\web.exe\" \"http://x\"");
}

TEST(EntryTexts, MailtoAddressesStayBelow256Characters) {
  EXPECT_EQ(MailtoEncode("Lunch + talk"), "Lunch%20%2B%20talk");
  EXPECT_EQ(MailtoAddress("ann@x", "", "Hi", "Body"), "mailto:ann@x?subject=Hi&body=Body");
  EXPECT_EQ(MailtoAddress("ann@x", "bob@x", "Hi", ""), "mailto:ann@x?cc=bob@x&subject=Hi&body=");
  // The length counts the form with "?cc=" even without a Cc name.
  const std::string fixed = "mailto:a?cc=&subject=s&body=";
  EXPECT_TRUE(MailtoAddress("a", "", "s", std::string(255 - fixed.size(), 'b')));
  EXPECT_FALSE(MailtoAddress("a", "", "s", std::string(256 - fixed.size(), 'b')));
}

TEST(EntryTexts, TextDocumentsAreOfferedUnderAUsableName) {
  EXPECT_EQ(OfferedFileName("Minutes 3/5: plan?"), "Minutes 3_5_ plan_.txt");
  EXPECT_EQ(OfferedFileName("notes.md"), "notes.md");
  EXPECT_EQ(OfferedFileName("a\"b<c>d|e*\\f\x01g"), "a_b_c_d_e__f_g.txt");
  EXPECT_EQ(OfferedFileName("  "), "");
  // Too long for the save dialog: cut at a character, never inside one, and still a text file.
  const std::string a(kOfferedNameLimit - 5, 'a');
  EXPECT_EQ(OfferedFileName(a + "\xF0\x9F\x98\x80" + std::string(300, 'b') + ".doc"), a + ".txt");
  EXPECT_EQ(OfferedFileName(std::string(kOfferedNameLimit - 6, 'x') + "..... more"),
            std::string(kOfferedNameLimit - 6, 'x') + ".txt");
  EXPECT_EQ(TextDocument(" Plan ", "line 1\r\nline 2"), "Plan\r\nline 1\r\nline 2");
  EXPECT_EQ(TextDocument(" ", "only body"), "only body");
}

}  // namespace
}  // namespace qrv
