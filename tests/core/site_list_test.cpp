#include "core/site_list.h"

#include <gtest/gtest.h>

#include "core/cipher.h"
#include "core/text.h"

namespace qrv {
namespace {

std::string Service(const std::string& keyword, const std::string& caption, const std::string& tail,
                    bool custom = false, bool criteria = true) {
  return "S=0{" + keyword + "}11<CB=" + caption + "!>" + (criteria ? "<D=!D>" : "") + (custom ? "<CUST=Y>" : "") + tail;
}

std::string Enciphered(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& line : lines) out.push_back(EncipherLine(line));
  return JoinLines(out);
}

TEST(SiteList, ReadsRecordsVersionAndAnnouncementAndRefusesUnsafeAddresses) {
  const std::string good = Service("g", "Google", "<HINT=Search!H>|https://www.example/?q=<QRV!>");
  const std::string upper = Service("u", "Upper", "<HINT=x!H>|HTTP://upper.example/<QRV!>");
  const std::vector<std::string> refused = {
      Service("j", "Script", "<HINT=x!H>|javascript:alert(1)"),
      Service("f", "File", "<HINT=x!H>|file:///c:/windows/system32/calc.exe"),
      Service("q", "Quote", "<HINT=x!H>|http://a.example/\" /c calc"),
      Service("c", "Control", "<HINT=x!H>|http://a.example/\x01x"),
      Service("n", "NoUrl", "<HINT=x!H>"),
  };
  std::vector<std::string> lines = {"VERTEXT=Faster search", good, "VER=3.5", "garbage", upper};
  lines.insert(lines.end(), refused.begin(), refused.end());
  std::string body = Enciphered(lines) + "not enciphered at all\r\n";
  const SiteList list = ReadSiteList(body);
  EXPECT_EQ(list.records, (std::vector<std::string>{good, upper}));
  EXPECT_EQ(list.version, "3.5");
  EXPECT_EQ(list.announcement, "Faster search");
  EXPECT_EQ(ReadSiteList("<html><body>200 OK</body></html>").records.size(), 0u);
  EXPECT_EQ(ReadSiteList("").version, "0");
  // A hint may hold a line break; the address may not.
  EXPECT_TRUE(IsSoundServiceRecord(Service("h", "Hint", "<HINT=a\r\nb!H>|https://h.example/")));
}

class Merge : public ::testing::Test {
 protected:
  const std::string localGoogle_ = Service("goo", "Google", "<HINT=Old hint!H>|http://old.example/?q=<QRV!>");
  const std::string serverGoogle_ = Service("g", "Google", "<HINT=New hint!H>|https://new.example/?q=<QRV!>");
  const std::string dropped_ = Service("x", "Gone", "<HINT=x!H>|http://gone.example/");
  const std::string mine_ = Service("m", "Mine", "<HINT=x!H>|http://mine.example/", true);
  const std::string noHint_ = Service("nh", "Bare", "|http://bare.example/");
};

TEST_F(Merge, KeepsTheUsersKeywordTakesTheServersTailAddsNewAndDropsOnlyUnlistedStandardServices) {
  const std::string added = Service("w", "Wiki", "<HINT=w!H>|https://wiki.example/<QRV!>");
  std::vector<std::string> services = {localGoogle_, dropped_, mine_};
  const MergeCounts counts = MergeSiteList(services, {serverGoogle_, added});
  EXPECT_EQ(services, (std::vector<std::string>{
                          Service("goo", "Google", "<HINT=New hint!H>|https://new.example/?q=<QRV!>"), mine_, added}));
  EXPECT_EQ(counts.added, 1);
  EXPECT_EQ(counts.updated, 1);
  EXPECT_EQ(counts.outdated, 1);
  // The same list again changes nothing.
  const std::vector<std::string> before = services;
  EXPECT_FALSE(MergeSiteList(services, {serverGoogle_, added}).Any());
  EXPECT_EQ(services, before);
}

TEST_F(Merge, IdenticalRecordsIgnoreLetterCaseCaptionsDoNotAndCriteriaAreMadeRoomFor) {
  std::string lower = AsciiLower(serverGoogle_);
  std::vector<std::string> services = {lower};
  EXPECT_FALSE(MergeSiteList(services, {serverGoogle_}).Any());
  EXPECT_EQ(services, std::vector<std::string>{lower});

  // A caption differing in case is another service: the old one goes, the new one comes.
  std::vector<std::string> cased = {Service("g", "GOOGLE", "<HINT=x!H>|http://a.example/")};
  const MergeCounts counts = MergeSiteList(cased, {serverGoogle_});
  EXPECT_EQ(cased, std::vector<std::string>{serverGoogle_});
  EXPECT_EQ(counts.added + counts.outdated, 2);

  // A local record without criteria gains an empty criteria tag before its hint.
  std::vector<std::string> bare = {Service("goo", "Google", "<HINT=Old!H>|http://old.example/", false, false)};
  MergeSiteList(bare, {serverGoogle_});
  EXPECT_EQ(bare.front(), Service("goo", "Google", "<HINT=New hint!H>|https://new.example/?q=<QRV!>"));
}

TEST_F(Merge, RecordsWithoutHintAreKeptAsTheyAreAndOnlyTheFirstOfACaptionIsMerged) {
  const std::string secondGoogle = Service("g2", "Google", "<HINT=Second!H>|http://second.example/");
  std::vector<std::string> services = {noHint_, localGoogle_, secondGoogle};
  const MergeCounts counts =
      MergeSiteList(services, {Service("b", "Bare", "<HINT=Now with hint!H>|http://bare.example/"), serverGoogle_});
  ASSERT_EQ(services.size(), 2u);
  EXPECT_EQ(services[0], noHint_);
  EXPECT_TRUE(Contains(services[1], "New hint") && StartsWith(services[1], "S=0{goo}"));
  EXPECT_EQ(counts.updated, 1);
  EXPECT_EQ(counts.outdated, 1);

  // A server record without a hint leaves the local record alone too.
  std::vector<std::string> kept = {localGoogle_};
  EXPECT_FALSE(MergeSiteList(kept, {Service("g", "Google", "|http://other.example/")}).Any());
  EXPECT_EQ(kept, std::vector<std::string>{localGoogle_});
}

TEST_F(Merge, AListWithoutOneSoundRecordDeletesNothing) {
  std::vector<std::string> services = {localGoogle_, dropped_, mine_};
  const std::vector<std::string> before = services;
  const SiteList html = ReadSiteList("<html><body><h1>200 OK</h1></body></html>\r\n");
  EXPECT_FALSE(MergeSiteList(services, html.records).Any());
  EXPECT_EQ(services, before);
  const SiteList unsafe = ReadSiteList(Enciphered({Service("j", "Script", "<HINT=x!H>|javascript:x"), "VER=9"}));
  EXPECT_FALSE(MergeSiteList(services, unsafe.records).Any());
  EXPECT_EQ(services, before);
}

TEST(SiteListVersion, ReadsADotWhateverTheLocaleAndIgnoresWhatIsNoNumber) {
  EXPECT_TRUE(IsNewerVersion("3.5"));
  EXPECT_TRUE(IsNewerVersion(" 4 "));
  EXPECT_TRUE(IsNewerVersion("3.221"));
  EXPECT_FALSE(IsNewerVersion("3.22"));
  EXPECT_FALSE(IsNewerVersion("3.1"));
  EXPECT_FALSE(IsNewerVersion("0"));
  EXPECT_FALSE(IsNewerVersion("3,5"));
  EXPECT_FALSE(IsNewerVersion("new"));
  EXPECT_FALSE(IsNewerVersion(""));
  EXPECT_FALSE(IsNewerVersion("inf"));
}

TEST(ServiceImport, AddsEachSoundNewRecordOnce) {
  const std::string mine = Service("m", "Mine", "<HINT=x!H>|http://mine.example/", true);
  const std::string unsafe = Service("u", "Unsafe", "<HINT=x!H>|ftp://mine.example/", true);
  std::vector<std::string> services = {AsciiUpper(mine)};
  const std::string other = Service("o", "Other", "<HINT=x!H>|https://other.example/", true);
  EXPECT_EQ(AddImportedServices(services, {mine, unsafe, other, other}), 1);
  EXPECT_EQ(services, (std::vector<std::string>{AsciiUpper(mine), other}));
}

}  // namespace
}  // namespace qrv
