// The bar's loading of its keyword files into the program-wide lists, with the
// warning for a missing keyword file shown through the form layer.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "bar/bar_files.h"
#include "core/cipher.h"
#include "core/file_io.h"
#include "core/keyword_record.h"
#include "core/text.h"
#include "ui/dialogs.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::wstring> gWarnings;

qrv::DialogResult RecordWarning(const std::wstring& text, qrv::MessageKind kind, qrv::MessageButtons buttons) {
  EXPECT_EQ(kind, qrv::MessageKind::kWarning);
  EXPECT_EQ(buttons, qrv::MessageButtons::kOk);
  gWarnings.push_back(text);
  return qrv::DialogResult::kOk;
}

std::string Service(const std::string& keyword, const std::string& caption) {
  return qrv::ServiceRecord({keyword, caption, "", false, "Looks up " + caption, "https://example.com/?q=<QRV!>"});
}

class KeywordLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    gWarnings.clear();
    qrv::SetPromptHandler(RecordWarning);
    folder_ = fs::temp_directory_path() / ("qrv-keywords-" + std::to_string(GetCurrentProcessId()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override {
    qrv::SetPromptHandler(nullptr);
    fs::remove_all(folder_);
  }
  void Write(const char* name, const std::string& bytes) { ASSERT_TRUE(qrv::WriteFileSafely(folder_ / name, bytes)); }

  void Read() { qrv::ReadKeywordFiles(folder_, data_); }

  fs::path folder_;
  qrv::BarData data_;
};

TEST_F(KeywordLoading, EveryReadReplacesTheListsWithTheFile) {
  const std::string wiki = Service("Wiki", "Encyclopedia");
  Write("prefs-qrv.dat", "K=1{CALL}1\r\n" + qrv::EncipherLine(wiki) + "\r\n");
  Write("prefs-qrv.bak", qrv::EncipherLine(Service("Map", "Map")) + "\r\n");
  for (int read = 0; read < 2; ++read) {
    Read();
    EXPECT_EQ(data_.keywordList, (std::vector<std::string>{"K=1{CALL}1", wiki}));
    EXPECT_EQ(data_.webServiceCaptions, std::vector<std::string>{"Encyclopedia"});
  }
  EXPECT_TRUE(gWarnings.empty());
}

TEST_F(KeywordLoading, AMissingKeywordFileIsReportedAndTheListKept) {
  Write("prefs-qrv.bak", qrv::EncipherLine(Service("Map", "Map")) + "\r\n");
  data_.keywordList = {"K=0{NOTE}2"};
  Read();
  EXPECT_EQ(gWarnings,
            std::vector<std::wstring>{L"The file PREFS-QRV.DAT needs to be in the\r\nsame folder as Quorvel.exe."});
  EXPECT_EQ(data_.keywordList, (std::vector<std::string>{"K=0{NOTE}2", Service("Map", "Map")}));
  EXPECT_EQ(data_.webServiceCaptions, std::vector<std::string>{"Map"});
  // Read again, the kept list has its services: the factory's are not added twice.
  Read();
  EXPECT_EQ(gWarnings.size(), 2u);
  EXPECT_EQ(data_.keywordList.size(), 2u);
  EXPECT_EQ(data_.webServiceCaptions, std::vector<std::string>{"Map"});
}

// The factory file as every new installation starts with it, as keyword file
// and factory file: every line is in the lists.
TEST_F(KeywordLoading, TheFactoryFileLoadsWhole) {
  const auto factory = qrv::ReadFileBytes(QRV_FACTORY_KEYWORD_FILE, 1 << 20);
  ASSERT_TRUE(factory.has_value());
  Write("prefs-qrv.dat", *factory);
  Write("prefs-qrv.bak", *factory);
  Read();
  EXPECT_EQ(data_.keywordList.size(), qrv::SplitLines(*factory).size());
  EXPECT_FALSE(data_.webServiceCaptions.empty());
}

}  // namespace
