#include "core/long_path.h"

#include <map>

#include <gtest/gtest.h>

namespace qrv {
namespace {

TEST(LongPath, DirectoryKeepsTheRootBackslashOnly) {
  EXPECT_EQ(PathDirectory(R"(C:\a\b.qrv)"), R"(C:\a)");
  EXPECT_EQ(PathDirectory(R"(C:\b.qrv)"), R"(C:\)");
  EXPECT_EQ(PathDirectory(R"(C:\)"), R"(C:\)");
  EXPECT_EQ(PathDirectory("C:b"), "C:");
  EXPECT_EQ(PathDirectory(R"(\\srv)"), R"(\\)");
  EXPECT_EQ(PathDirectory("plain"), "");
}

// A file system of stored names, looked up without regard to case and with
// short names as Windows gives them.
class FakeDisk {
 public:
  std::optional<std::string> operator()(const std::string& path) const {
    ++lookups;
    const auto it = stored.find(path);
    if (it == stored.end()) return std::nullopt;
    return it->second;
  }
  std::map<std::string, std::string> stored = {
      {R"(C:\PROGRA~1)", "Program Files"},
      {R"(C:\PROGRA~1\QUORVEL)", "Quorvel"},
      {R"(C:\PROGRA~1\QUORVEL\MYSERV~1.QRV)", "My Service.qrv"},
      {R"(c:\users)", "Users"},
  };
  mutable int lookups = 0;
};

TEST(LongPath, ShortAndCaseFoldedComponentsComeBackAsStored) {
  FakeDisk disk;
  disk.stored[R"(\\server\share\SERVIC~1.QRV)"] = "Services.qrv";
  EXPECT_EQ(BuildLongPath(R"(C:\PROGRA~1\QUORVEL\MYSERV~1.QRV)", std::ref(disk)),
            R"(C:\Program Files\Quorvel\My Service.qrv)");
  // The drive letter keeps the case it was given in, and a share's root is kept.
  EXPECT_EQ(BuildLongPath(R"(c:\users)", std::ref(disk)), R"(c:\Users)");
  EXPECT_EQ(BuildLongPath(R"(\\server\share\SERVIC~1.QRV)", std::ref(disk)), R"(\\server\share\Services.qrv)");
}

TEST(LongPath, MissingComponentNamesTheWholePath) {
  FakeDisk disk;
  try {
    BuildLongPath(R"(C:\PROGRA~1\nothing\x.qrv)", std::ref(disk));
    FAIL() << "no error raised";
  } catch (const PathError& e) {
    EXPECT_STREQ(e.what(), R"(Path C:\PROGRA~1\nothing\x.qrv does not exist!)");
  }
}

// A drive root needs no look-up; wildcards and empty paths never match an entry.
TEST(LongPath, RootsWildcardsAndEmptyPathsAskTheDiskNothing) {
  FakeDisk disk;
  EXPECT_EQ(BuildLongPath(R"(C:\)", std::ref(disk)), "C:");
  EXPECT_THROW(BuildLongPath(R"(C:\PROGRA~1\*)", std::ref(disk)), PathError);
  EXPECT_THROW(BuildLongPath(R"(C:\PROGRA~1\QUORVEL\?.QRV)", std::ref(disk)), PathError);
  EXPECT_THROW(BuildLongPath("", std::ref(disk)), PathError);
  EXPECT_EQ(disk.lookups, 0);
}

}  // namespace
}  // namespace qrv
