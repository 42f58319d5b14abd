#include "core/service_editing.h"

#include <gtest/gtest.h>

#include "core/keyword_record.h"
#include "core/service_file.h"
#include "core/text.h"

namespace qrv {
namespace {

TEST(FieldCheck, RefusesEveryFieldThatWouldReadBackDifferently) {
  // Each text, put into the field named, would break the record apart.
  const char* const names[] = {"Quorvel Keyword", "Site title", "Site description", "URL"};
  const std::vector<std::pair<int, const char*>> bad = {
      {0, ""},       {0, "a{b"},      {0, "a}b"},          {0, "a|b"},
      {0, "k!>"},    {0, "<HINT="},   {1, "A | B"},        {1, "Wow!>"},
      {1, "a!D>"},   {1, "<CB=x"},    {1, "<QRV!>"},       {2, "x|y"},
      {2, "end!H>"}, {2, "<CUST=Y>"}, {1, "\xE4\xB8\xAD"}, {3, "http://x/\xE2\x82\xAC\xE4\xB8\xAD"}};
  for (const auto& [field, text] : bad) {
    ServiceFields fields;
    fields.keyword = "k";
    std::string* parts[] = {&fields.keyword, &fields.title, &fields.description, &fields.url};
    *parts[field] = text;
    const auto problem = FieldProblem(fields);
    ASSERT_TRUE(problem.has_value()) << text;
    EXPECT_NE(problem->find('"' + std::string(names[field]) + '"'), std::string::npos) << *problem;
  }
  // What passes the check comes back from the file field for field.
  const ServiceFields good{"kx", "T {x}: \xE2\x82\xAC", "!> and\r\nmore", "https://x/?q=*|a"};
  ASSERT_FALSE(FieldProblem(good).has_value());
  const WebService saved{good.keyword, good.title, "", true, good.description, UrlFromEditing(good.url)};
  const WebService opened = ServiceInFile(ServiceFileBytes(ServiceRecord(saved), "2.0").value()).value();
  EXPECT_EQ(opened.keyword, good.keyword);
  EXPECT_EQ(opened.caption, good.title);
  EXPECT_EQ(opened.hint, good.description);
  EXPECT_EQ(opened.url, "https://x/?q=<QRV!>|a");
}

TEST(UrlEditing, StarAndMarkerNeverSwapThroughLoadAndSave) {
  for (std::string stored : {"https://x/?q=<QRV!>", "https://x/a*b?q=<QRV!>", "https://x/?q=<QRV!>&r=<QRV!>",
                             "https://x/*", "www.x.org/<QRV!>", "https://x/?a=*&q=<QRV!>&b=*"}) {
    EditedUrl url;
    const std::string shown = url.Load(stored);
    EXPECT_EQ(url.Template(shown), stored) << "unchanged field";
    // Edited at the end, a template with a marker keeps its markers and stars.
    if (HasCriteriaMarker(stored)) {
      EXPECT_EQ(url.Template(shown + "&x=1"), (Contains(stored, "://") ? "" : "http://") + stored + "&x=1") << shown;
    }
  }
  EXPECT_EQ(UrlForEditing("https://x/?q=<QRV!>"), "https://x/?q=*");
  // A template with two markers is shown as stored, so that saving keeps both.
  EXPECT_EQ(UrlForEditing("https://x/?q=<QRV!>&also=<QRV!>"), "https://x/?q=<QRV!>&also=<QRV!>");
  EXPECT_EQ(UrlFromEditing("x.org/find?q=*&n=*"), "http://x.org/find?q=<QRV!>&n=*");
  EXPECT_EQ(UrlFromEditing("ftp://x.org/"), "ftp://x.org/");
  EXPECT_EQ(UrlFromEditing(UrlForEditing("https://x/?q=<QRV!>&day=<DD>")), "https://x/?q=<QRV!>&day=<DD>");
}

TEST(UrlEditing, SampleCriteriaAreEncodedAndOnlyWebAddressesOpened) {
  EXPECT_EQ(EncodeCriteria("AC/DC live 2"), "AC%2FDC+live+2");
  EXPECT_EQ(EncodeCriteria("caf\xC3\xA9 & co."), "caf%E9+%26+co%2E");
  EXPECT_TRUE(IsWebAddress(" HTTPS://x.org"));
  for (const char* url : {"file:///c:/windows/system32/calc.exe", "c:\\x.exe", "javascript:alert(1)", "ftp://x", ""})
    EXPECT_FALSE(IsWebAddress(url)) << url;
}

TEST(UrlEditing, AddressesLeaveWithWhatAUrlCannotHoldEscaped) {
  EXPECT_EQ(EscapeWebAddress(" http://x.example/?a=\" --evil \"&q=a+b%2F<x>|{}^`\\ "),
            "http://x.example/?a=%22%20--evil%20%22&q=a+b%2F%3Cx%3E%7C%7B%7D%5E%60%5C");
  EXPECT_EQ(EscapeWebAddress("https://de.example/wiki/Stra\xC3\x9F"
                             "e#Teil\t1"),
            "https://de.example/wiki/Stra%C3%9Fe#Teil%091");
}

TEST(FileNameFromTitle, ReplacesWhatFileNamesCannotHold) {
  EXPECT_EQ(FileNameFromTitle("Movies: reviews: new"), "Movies_ reviews_ new");
  EXPECT_EQ(FileNameFromTitle("..\\a/b*c?d\"e<f>g|h\ti"), ".._a_b_c_d_e_f_g_h_i");
  EXPECT_EQ(FileNameFromTitle("Ends. . "), "Ends");
  EXPECT_EQ(FileNameFromTitle("con"), "con_");
  EXPECT_EQ(FileNameFromTitle("LPT1.txt"), "LPT1_.txt");
  EXPECT_EQ(FileNameFromTitle("Console"), "Console");
  EXPECT_EQ(FileNameFromTitle("..."), "service");
}

}  // namespace
}  // namespace qrv
