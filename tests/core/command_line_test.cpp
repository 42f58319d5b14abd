#include "core/command_line.h"

#include <gtest/gtest.h>

namespace qrv {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, SplitsAtBlanksAndKeepsQuotedBlanks) {
  EXPECT_EQ(SplitCommandLine(R"("C:\Program Files\Quorvel\Quorvel.exe" "C:\My Files\a.qrv")"),
            (Args{R"(C:\Program Files\Quorvel\Quorvel.exe)", R"(C:\My Files\a.qrv)"}));
  EXPECT_EQ(SplitCommandLine("  q.exe\tWAIT:3 \r\n OUTLOOK  "), (Args{"q.exe", "WAIT:3", "OUTLOOK"}));
  // Quotes open and close stretches anywhere; no backslash escaping.
  EXPECT_EQ(SplitCommandLine(R"(q a"b c"d "C:\dir\" "")"), (Args{"q", "ab cd", R"(C:\dir\)", ""}));
  EXPECT_EQ(SplitCommandLine(R"(q "unterminated quote)"), (Args{"q", "unterminated quote"}));
  EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(CommandLine, WaitArgumentTakesTheLastAndReadsOddNumbersAsZero) {
  EXPECT_EQ(WaitSeconds({}), -1);
  EXPECT_EQ(WaitSeconds({"wait:3"}), 3);
  EXPECT_EQ(WaitSeconds({"WAIT:"}), -1);  // five characters alone are no wait argument
  EXPECT_EQ(WaitSeconds({"WAIT:x"}), 0);
  EXPECT_EQ(WaitSeconds({"WAIT:-2"}), -2);
  EXPECT_EQ(WaitSeconds({"WAIT:5", "OUTLOOK", "Wait:1"}), 1);
  EXPECT_EQ(WaitSeconds({"WAITING:5"}), -1);
  EXPECT_EQ(WaitSeconds({"WAIT:99999999"}), kMaxWaitSeconds);
}

TEST(CommandLine, OutlookArgumentsOpenFoldersInTheOrderGiven) {
  using R = StartupRequest;
  EXPECT_EQ(OutlookRequests({"OUTLOOK:INBOX", "OUTLOOK:TASKS"}),
            (std::vector<R>{FolderKind::kInbox, FolderKind::kTasks}));
  EXPECT_EQ(OutlookRequests({"outlook", "Outlook:Journal", "OUTLOOK:CALENDAR", "OUTLOOK:NOTES", "OUTLOOK:CONTACTS"}),
            (std::vector<R>{ExtraAction::kOpenOutlook, FolderKind::kJournal, FolderKind::kCalendar, FolderKind::kNotes,
                            FolderKind::kContacts}));
  EXPECT_TRUE(OutlookRequests({"OUTLOOK:TASK", "OUTLOOKS", "C:\\a.qrv", "WAIT:2"}).empty());
}

TEST(CommandLine, HandedFileIsAFirstArgumentThatIsNoStartupArgument) {
  EXPECT_EQ(HandedFileArgument({R"(C:\x\service.qrv)", "WAIT:2"}), R"(C:\x\service.qrv)");
  EXPECT_EQ(HandedFileArgument({"WAIT:2", R"(C:\x\service.qrv)"}), std::nullopt);
  EXPECT_EQ(HandedFileArgument({"outlook:tasks"}), std::nullopt);
  EXPECT_EQ(HandedFileArgument({"Outlook"}), std::nullopt);
  EXPECT_EQ(HandedFileArgument({""}), std::nullopt);
  EXPECT_EQ(HandedFileArgument({}), std::nullopt);
}

}  // namespace
}  // namespace qrv
