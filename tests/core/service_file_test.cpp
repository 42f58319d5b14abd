#include "core/service_file.h"

#include <gtest/gtest.h>

#include "core/cipher.h"
#include "core/text.h"

namespace qrv {
namespace {

const WebService kLibrary{"Lib",
                          "Library",
                          "",
                          true,
                          "Searches the library.\r\nType lib and a title.",
                          "https://library.example/search?q=<QRV!>&day=<DD>"};

std::vector<std::string> DecipheredLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (const auto& line : SplitLines(bytes)) lines.push_back(DecipherLine(line));
  return lines;
}

// The record, a line the bar ignores and the version, each enciphered; the
// editor opens the record whole, custom or not, and the bar imports only
// services a user made.
TEST(ServiceFile, HoldsTheRecordAnIgnoredLineAndTheVersion) {
  const std::string bytes = *ServiceFileBytes(ServiceRecord(kLibrary), "2.1");
  ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  const auto lines = DecipheredLines(bytes);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], ServiceRecord(kLibrary));
  EXPECT_FALSE(StartsWith(lines[1], "S=") && Contains(lines[1], "<CUST="));
  EXPECT_EQ(lines[2], "2.1");
  EXPECT_EQ(DecipheredLines(*ServiceFileBytes(ServiceRecord(kLibrary), ""))[2], "None Installed");
  const auto opened = ServiceInFile(bytes);
  ASSERT_TRUE(opened.has_value());
  EXPECT_EQ(ServiceRecord(*opened), ServiceRecord(kLibrary));
  EXPECT_EQ(CustomServicesInFile(bytes), std::vector<std::string>{ServiceRecord(kLibrary)});

  WebService standard = kLibrary;
  standard.custom = false;
  const std::string standardFile = *ServiceFileBytes(ServiceRecord(standard), "");
  EXPECT_EQ(ServiceRecord(ServiceInFile(standardFile).value()), ServiceRecord(standard));
  EXPECT_TRUE(CustomServicesInFile(standardFile).empty());
  // The bar looks only for the start of the marker; the editor only for the one it writes.
  const std::string otherMarker = "S=0{x}11<CB=X!><D=!D><CUST=N><HINT=!H>|https://x/<QRV!>";
  EXPECT_EQ(CustomServicesInFile(*ServiceFileBytes(otherMarker, "")).size(), 1u);
  EXPECT_FALSE(ServiceInFile(*ServiceFileBytes(otherMarker, ""))->custom);
}

TEST(ServiceFile, ReadersRefuseWhatIsNoWebServiceFile) {
  for (const std::string& bytes : {std::string(), std::string("\r\n\r\n"), std::string("not enciphered at all"),
                                   EncipherLine("K=0{CALL}1<CUST=Y>") + "\r\n", std::string(5000, '\xFF')}) {
    EXPECT_FALSE(ServiceInFile(bytes).has_value()) << bytes.substr(0, 40);
    EXPECT_TRUE(CustomServicesInFile(bytes).empty()) << bytes.substr(0, 40);
  }
  // The editor wants a record of the form it writes; the bar only its kind.
  const std::string otherMode = EncipherLine("S=1{x}11<CUST=Y>") + "\r\n";
  EXPECT_FALSE(ServiceInFile(otherMode).has_value());
  EXPECT_EQ(CustomServicesInFile(otherMode).size(), 1u);
  // Too large to be a web-service file, even when it begins like one.
  std::string huge = *ServiceFileBytes(ServiceRecord(kLibrary), "2.1");
  huge.resize(kMaxServiceFileBytes + 1, 'A');
  EXPECT_TRUE(CustomServicesInFile(huge).empty());
  EXPECT_FALSE(ServiceInFile(huge).has_value());
}

TEST(ServiceFile, AByteOrderMarkBeforeTheRecordIsSkipped) {
  const std::string file = "\xEF\xBB\xBF" + *ServiceFileBytes(ServiceRecord(kLibrary), "2.1");
  EXPECT_EQ(CustomServicesInFile(file), std::vector<std::string>{ServiceRecord(kLibrary)});
  ASSERT_TRUE(ServiceInFile(file).has_value());
  EXPECT_EQ(ServiceInFile(file)->url, kLibrary.url);
}

}  // namespace
}  // namespace qrv
