#include "core/service_editing.h"

#include <gtest/gtest.h>

#include "core/keyword_record.h"
#include "core/service_file.h"

namespace qrv {
namespace {

// Saves the fields as the editor does and reads the file back as the editor and the bar do.
WebService SavedAndOpened(const ServiceFields& fields, const EditedUrl& url = {}) {
  const WebService service{fields.keyword, fields.title, "", true, fields.description, url.Template(fields.url)};
  return ServiceInFile(ServiceFileBytes(ServiceRecord(service), "2.0")).value();
}

TEST(FieldCheck, RefusesEveryFieldThatWouldReadBackDifferently) {
  const ServiceFields good{"Lib*", "Library: books", "Finds books.\r\nType lib and a title.", "https://x.org/?q=*|a"};
  EXPECT_FALSE(FieldProblem(good).has_value());
  struct Case {
    ServiceFields fields;
    std::string field;
  };
  const Case cases[] = {
      {{"a{b", "", "", ""}, "Quorvel Keyword"},
      {{"a}b", "", "", ""}, "Quorvel Keyword"},
      {{"a|b", "", "", ""}, "Quorvel Keyword"},
      {{"", "A | B", "", ""}, "Site title"},
      {{"", "Wow!>", "", ""}, "Site title"},
      {{"", "", "x|y", ""}, "Site description"},
      {{"", "", "end!H>", ""}, "Site description"},
      {{"k!>", "", "", ""}, "Quorvel Keyword"},
      {{"", "a!D>", "", ""}, "Site title"},
      {{"", "<CB=x", "", ""}, "Site title"},
      {{"", "", "<D=", ""}, "Site description"},
      {{"k<HINT=", "", "", ""}, "Quorvel Keyword"},
      {{"", "", "<CUST=Y>", ""}, "Site description"},
      {{"", "<QRV!>", "", ""}, "Site title"},
      {{"", "\xE2\x82\xAC \xE4\xB8\xAD", "", ""}, "Site title"},
      {{"", "", "", "http://x/\xE4\xB8\xAD"}, "URL"},
  };
  for (const auto& c : cases) {
    const auto problem = FieldProblem(c.fields);
    ASSERT_TRUE(problem.has_value()) << c.fields.keyword << c.fields.title << c.fields.description;
    EXPECT_NE(problem->find("\"" + c.field + "\""), std::string::npos) << *problem;
  }
  // What passes the check comes back from the file field for field.
  const WebService opened = SavedAndOpened({"k<x>", "T {x}", "!> and\r\nmore", "https://x/?q=*"});
  EXPECT_EQ(opened.keyword, "k<x>");
  EXPECT_EQ(opened.caption, "T {x}");
  EXPECT_EQ(opened.hint, "!> and\r\nmore");
  EXPECT_EQ(opened.url, "https://x/?q=<QRV!>");
}

TEST(UrlEditing, StarAndMarkerNeverSwapThroughLoadAndSave) {
  for (std::string stored : {"https://x/?q=<QRV!>", "https://x/a*b?q=<QRV!>", "https://x/?q=<QRV!>&r=<QRV!>",
                             "https://x/plain", "www.x.org/<QRV!>", "https://x/?a=*&q=<QRV!>&b=*"}) {
    EditedUrl url;
    const std::string shown = url.Load(stored);
    EXPECT_EQ(url.Template(shown), stored) << "unchanged field";
    // Edited by the user at the end, the template keeps what it had.
    const std::string edited = UrlFromEditing(shown + "&x=1");
    EXPECT_EQ(edited, stored.find("://") == std::string::npos ? "http://" + stored + "&x=1" : stored + "&x=1") << shown;
  }
  EditedUrl starOnly;
  EXPECT_EQ(starOnly.Template(starOnly.Load("https://x/*")), "https://x/*");
  EXPECT_EQ(UrlForEditing("https://x/?q=<QRV!>"), "https://x/?q=*");
  EXPECT_EQ(UrlFromEditing("x.org/find?q=*&n=*"), "http://x.org/find?q=<QRV!>&n=*");
  EditedUrl none;
  EXPECT_EQ(none.Template(""), "http://");
}

TEST(UrlEditing, SampleCriteriaAreEncodedIntoEveryMarker) {
  EXPECT_EQ(EncodeCriteria("AC/DC live 2"), "AC%2FDC+live+2");
  EXPECT_EQ(EncodeCriteria("caf\xC3\xA9 & co."), "caf%E9+%26+co%2E");
  EXPECT_EQ(FillCriteria("https://x/?q=<QRV!>&again=<QRV!>*", "a b"), "https://x/?q=a+b&again=a+b*");
  EXPECT_EQ(FillCriteria("https://x/", "a"), "https://x/");
  EXPECT_TRUE(IsWebAddress(" HTTPS://x.org"));
  EXPECT_TRUE(IsWebAddress("http://x"));
  for (const char* url : {"file:///c:/windows/system32/calc.exe", "c:\\x.exe", "javascript:alert(1)", "ftp://x", ""})
    EXPECT_FALSE(IsWebAddress(url)) << url;
}

TEST(FileNameFromTitle, ReplacesWhatFileNamesCannotHold) {
  EXPECT_EQ(FileNameFromTitle("Movies: reviews"), "Movies_ reviews");
  EXPECT_EQ(FileNameFromTitle("a/b\\c:d*e?f\"g<h>i|j\tk"), "a_b_c_d_e_f_g_h_i_j_k");
  EXPECT_EQ(FileNameFromTitle("..\\..\\evil"), ".._.._evil");
  EXPECT_EQ(FileNameFromTitle("Ends. . "), "Ends");
  EXPECT_EQ(FileNameFromTitle("con"), "con_");
  EXPECT_EQ(FileNameFromTitle("LPT1.txt"), "LPT1_.txt");
  EXPECT_EQ(FileNameFromTitle("Console"), "Console");
  EXPECT_EQ(FileNameFromTitle(""), "service");
  EXPECT_EQ(FileNameFromTitle("..."), "service");
  EXPECT_EQ(FileNameFromTitle("Caf\xC3\xA9"), "Caf\xC3\xA9");
}

}  // namespace
}  // namespace qrv
