#include "core/site_list.h"

#include <gtest/gtest.h>

#include "core/cipher.h"
#include "core/text.h"

namespace qrv {
namespace {

std::string Service(const std::string& caption, const std::string& tail, const std::string& keyword = "k",
                    const std::string& criteria = "<D=!D>") {
  return "S=0{" + keyword + "}11<CB=" + caption + "!>" + criteria + tail;
}

TEST(SiteList, ReadsRecordsAndVersionAndRefusesWhatCannotBeOpenedSafely) {
  const std::string good = Service("G", "<HINT=a\r\nb!H>|https://g.example/?q=<QRV!>");
  const std::string upper = Service("U", "<HINT=x!H>|HTTP://u.example/");
  std::string body;
  for (const std::string& line :
       {std::string("VERTEXT=Faster"), good, std::string("VER=3.5"), upper, Service("J", "<HINT=x!H>|javascript:x"),
        Service("F", "<HINT=x!H>|file:///c:/x.exe"), Service("Q", "<HINT=x!H>|http://a/\" /c x"),
        Service("C", "<HINT=x!H>|http://a/\x01")})
    body += EncipherLine(line) + "\r\n";
  const SiteList list = *ReadSiteList(body + "not enciphered\r\n");
  EXPECT_EQ(list.records, (std::vector<std::string>{good, upper}));
  EXPECT_EQ(list.version, "3.5");
  EXPECT_EQ(list.announcement, "Faster");
  EXPECT_TRUE(ReadSiteList("<html>200 OK</html>\n")->records.empty());
}

TEST(SiteList, AListCutShortIsNoList) {
  std::string body;
  for (int n = 0; n < 6; ++n)
    body += EncipherLine(Service("S" + std::to_string(n), "<HINT=x!H>|https://merriam.example/")) + "\r\n";
  ASSERT_TRUE(ReadSiteList(body));
  EXPECT_TRUE(ReadSiteList(body.substr(0, body.size() - 1)));    // cut between CR and LF
  EXPECT_FALSE(ReadSiteList(body.substr(0, body.size() - 12)));  // inside the last address
  EXPECT_FALSE(ReadSiteList(""));
  // A record that lost its address or the end of its caption was cut before its line end.
  for (const char* cut : {"S=0{k}11<CB=Thes", "S=0{k}11<CB=T!><D=!D><HINT=x!H>"})
    EXPECT_FALSE(ReadSiteList(body + EncipherLine(cut) + "\r\n")) << cut;
}

TEST(SiteList, MergeKeepsTheUsersFieldsAddsNewAndDropsOnlyUnlistedStandardServices) {
  const std::string local = Service("Google", "<HINT=Old!H>|http://old/", "goo", "");
  const std::string server = Service("Google", "<HINT=New!H>|https://new/");
  const std::string gone = Service("Gone", "<HINT=x!H>|http://gone/");
  const std::string mine = Service("Mine", "<CUST=Y><HINT=x!H>|http://mine/");
  const std::string second = Service("Google", "<HINT=2!H>|http://2/");  // only the first of a caption merges
  const std::string added = Service("Wiki", "<HINT=w!H>|https://wiki/");
  std::vector<std::string> services = {local, gone, mine, second};
  MergeCounts counts = MergeSiteList(services, {server, added});
  // The user's keyword stays; an empty criteria tag makes room for the server's.
  EXPECT_EQ(services, (std::vector<std::string>{Service("Google", "<HINT=New!H>|https://new/", "goo"), mine, added}));
  EXPECT_EQ(counts.added, 1);
  EXPECT_EQ(counts.updated, 1);
  EXPECT_EQ(counts.outdated, 2);
  // The same list again, or in other letter case, changes nothing.
  const std::vector<std::string> before = services;
  EXPECT_FALSE(MergeSiteList(services, {server, AsciiLower(added)}).Any());
  EXPECT_EQ(services, before);
  // A server record never rewrites a service the user made, whatever its caption.
  services = {mine};
  const std::string serverMine = Service("Mine", "<HINT=s!H>|https://server/");
  counts = MergeSiteList(services, {serverMine});
  EXPECT_EQ(services, (std::vector<std::string>{mine, serverMine}));
  EXPECT_EQ(counts.updated, 0);
  // A caption in other letter case is another service.
  services = {Service("GOOGLE", "<HINT=x!H>|http://a/")};
  counts = MergeSiteList(services, {server});
  EXPECT_EQ(services, std::vector<std::string>{server});
  EXPECT_EQ(counts.added + counts.outdated, 2);
}

TEST(SiteList, MergeSeesWhatItMergedAndAppendedEarlierInTheSameList) {
  const std::string local = Service("A", "<HINT=old!H>|http://a/");
  const std::string merged = Service("A", "<HINT=new!H>|https://a/");
  const std::string added = Service("B", "<HINT=b!H>|https://b/");
  std::vector<std::string> services = {local};
  // The merged record now equals the second server record; the appended one the fourth.
  const MergeCounts counts = MergeSiteList(services, {merged, AsciiUpper(merged), added, added});
  EXPECT_EQ(services, (std::vector<std::string>{merged, added}));
  EXPECT_EQ(counts.updated, 1);
  EXPECT_EQ(counts.added, 1);
  EXPECT_EQ(counts.outdated, 0);
}

TEST(SiteList, MergeNeverMangles) {
  // Records without a hint, on either side, stay as they are.
  const std::string bare = Service("Bare", "|http://bare/");
  const std::string google = Service("Google", "<HINT=Old!H>|http://old/");
  std::vector<std::string> services = {bare, google};
  EXPECT_FALSE(
      MergeSiteList(services, {Service("Bare", "<HINT=h!H>|http://b/"), Service("Google", "|http://x/")}).Any());
  EXPECT_EQ(services, (std::vector<std::string>{bare, google}));
  // A list without one sound record deletes nothing.
  EXPECT_FALSE(
      MergeSiteList(services, ReadSiteList(EncipherLine(Service("J", "<HINT=x!H>|javascript:x")) + "\n")->records)
          .Any());
  EXPECT_EQ(services.size(), 2u);
}

TEST(SiteList, VersionIsReadWithADotWhateverTheLocale) {
  for (const char* newer : {"3.5", " 4 ", "3.221"}) EXPECT_TRUE(IsNewerVersion(newer)) << newer;
  for (const char* notNewer : {"3.22", "3.1", "0", "3,5", "new", "", "inf"})
    EXPECT_FALSE(IsNewerVersion(notNewer)) << notNewer;
}

TEST(SiteList, ImportAddsEachSoundNewRecordOnce) {
  const std::string mine = Service("Mine", "<CUST=Y><HINT=x!H>|http://mine/");
  const std::string other = Service("Other", "<CUST=Y><HINT=x!H>|https://other/");
  std::vector<std::string> services = {AsciiUpper(mine)};
  EXPECT_EQ(AddImportedServices(services, {mine, Service("U", "<CUST=Y><HINT=x!H>|ftp://u/"), other, other}), 1);
  EXPECT_EQ(services, (std::vector<std::string>{AsciiUpper(mine), other}));
}

}  // namespace
}  // namespace qrv
