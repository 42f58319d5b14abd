#include "core/hotkey_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/file_io.h"

namespace qrv {
namespace {

using namespace std::string_literals;

HotkeyRow Row(std::string description, HotkeyAction action, const std::string& hotkeyText, bool active = true) {
  HotkeyRow row;
  row.description = std::move(description);
  row.action = action;
  row.active = active;
  SetHotkeyText(row, hotkeyText);
  return row;
}

std::string Header() { return "\x06\x1F"s + std::string(kHotkeyFileHeader) + "\x01"s; }

// Three rows with every kind of data: a key string, a data index and none.
std::vector<HotkeyRow> SampleRows() {
  auto keys = Row("Café", HotkeyAction::kSendKeystrokes, "Ctrl+Num +");
  keys.text = "Kind regards{ENTER}";
  auto exit = Row("Off", HotkeyAction::kExitWindows, "Alt+Shift+Win+F12", false);
  exit.dataIndex = 2;
  return {keys, exit, Row("List", HotkeyAction::kViewHotkeys, "Ctrl+")};
}

std::string SampleBytes() {
  return Header() +
         // Café (in the system code page): action 1 with its key string, Ctrl,
         // key index 65 (Num +), active.
         "\x06\x04"
         "Caf\xE9"
         "\x02\x01\x06\x13Kind regards{ENTER}\x09\x08\x08\x08\x02\x41\x09"s +
         // Off: action 2 with data index 2, Alt Shift Win, key index 80 (F12), inactive.
         "\x06\x03Off\x02\x02\x02\x02\x08\x09\x09\x09\x02\x50\x08"s +
         // List: action 3 has no data; Ctrl without a key is key index -1.
         "\x06\x04List\x02\x03\x09\x08\x08\x08\x02\xFF\x09"s + "\x00"s;
}

TEST(HotkeyFile, WritesEveryRecordFormByteForByteAndReadsItBack) {
  EXPECT_EQ(HotkeyFileBytes(SampleRows()), SampleBytes());
  const auto read = ReadHotkeyFile(SampleBytes());
  EXPECT_EQ(read.status, HotkeyFileStatus::kRead);
  EXPECT_EQ(read.rows, SampleRows());
  EXPECT_EQ(HotkeyText(read.rows[0]), "Ctrl+Num +");
  EXPECT_EQ(HotkeyText(read.rows[2]), "Ctrl+");
  EXPECT_EQ(DataText(read.rows[1]), "Reboot");
  EXPECT_EQ(HotkeyFileBytes({}), Header() + "\x00"s);
}

TEST(HotkeyFile, IntegersAndTextsTakeTheSmallestFormAndReadInAny) {
  HotkeyRow row = Row("", HotkeyAction::kCreateOutlookItem, "");
  const std::pair<int, std::string> forms[] = {{127, "\x02\x7F"s},
                                               {-128, "\x02\x80"s},
                                               {128, "\x03\x80\x00"s},
                                               {-32768, "\x03\x00\x80"s},
                                               {40000, "\x04\x40\x9C\x00\x00"s},
                                               {-40000, "\x04\xC0\x63\xFF\xFF"s}};
  for (const auto& [value, bytes] : forms) {
    row.dataIndex = value;
    const std::string file = *HotkeyFileBytes({row});
    EXPECT_EQ(file.substr(Header().size() + 4, bytes.size()), bytes) << value;
    EXPECT_EQ(ReadHotkeyFile(file).rows.at(0).dataIndex, value);
  }
  // A wider form than needed reads the same; so does a long text form.
  const std::string wide = Header() + "\x0C\x01\x00\x00\x00X\x04\x03\x00\x00\x00\x08\x08\x08\x08\x03\x1C\x00\x09\x00"s;
  HotkeyRow x = Row("X", HotkeyAction::kViewHotkeys, "A");
  x.active = true;
  EXPECT_EQ(ReadHotkeyFile(wide).rows, std::vector<HotkeyRow>{x});
  // 255 bytes still take the short form, 256 the long one.
  row.description = std::string(255, 'd');
  EXPECT_EQ(HotkeyFileBytes({row})->substr(Header().size(), 2), "\x06\xFF"s);
  row.description += 'd';
  EXPECT_EQ(HotkeyFileBytes({row})->substr(Header().size(), 5), "\x0C\x00\x01\x00\x00"s);
  EXPECT_EQ(ReadHotkeyFile(*HotkeyFileBytes({row})).rows.at(0), row);
}

TEST(HotkeyFile, ReadingStopsAtDamageKeepingTheRowsBeforeIt) {
  const std::string whole = SampleBytes();
  // Every cut: the whole rows before it stay, the cut one is dropped.
  for (std::size_t size = 1; size < whole.size(); ++size) {
    const auto read = ReadHotkeyFile(whole.substr(0, size));
    ASSERT_EQ(read.status, HotkeyFileStatus::kDamaged) << size;
    EXPECT_FALSE(read.reason.empty());
    EXPECT_LE(read.damageOffset, size);
    for (std::size_t i = 0; i < read.rows.size(); ++i) EXPECT_EQ(read.rows[i], SampleRows()[i]);
  }
  EXPECT_EQ(ReadHotkeyFile(whole.substr(0, whole.size() - 1)).rows.size(), 3u);
  EXPECT_EQ(ReadHotkeyFile(whole + "trailing").status, HotkeyFileStatus::kRead);
}

TEST(HotkeyFile, HostileValuesAreDamageNotRows) {
  const std::string first = SampleBytes().substr(0, SampleBytes().find("\x06\x03Off"s));
  const std::string tail = "\x08\x08\x08\x08\x02\x01\x09\x00"s;
  struct Hostile {
    std::string what;
    std::string record;
    std::size_t damageAt;  // within the record
  };
  const Hostile hostile[] = {
      {"a text longer than the file",
       "\x0C\xFF\xFF\xFF\x7F"
       "abc"s,
       0},
      {"a negative text length",
       "\x0C\xFF\xFF\xFF\xFF"
       "abc"s,
       0},
      {"action code 11", "\x06\x01x\x02\x0B"s + tail, 3},
      {"action code -1", "\x06\x01x\x02\xFF"s + tail, 3},
      {"an unknown Boolean tag", "\x06\x01x\x02\x03\x0A\x08\x08\x08\x02\x01\x09\x00"s, 5},
      {"a Boolean where the key is", "\x06\x01x\x02\x03\x08\x08\x08\x08\x09\x09\x00"s, 9},
      {"an integer where a text is", "\x02\x01"s + tail, 0},
  };
  for (const auto& [what, record, damageAt] : hostile) {
    const auto read = ReadHotkeyFile(first + record);
    EXPECT_EQ(read.status, HotkeyFileStatus::kDamaged) << what;
    EXPECT_EQ(read.rows, std::vector<HotkeyRow>{SampleRows()[0]}) << what;
    EXPECT_EQ(read.damageOffset, first.size() + damageAt) << what;
  }
  // The header's text is not compared, but the list must start where it should.
  auto otherHeader = SampleBytes();
  otherHeader.replace(2, 31, std::string(31, '?'));
  EXPECT_EQ(ReadHotkeyFile(otherHeader).rows.size(), 3u);
  auto noList = SampleBytes();
  noList[33] = '\x02';
  EXPECT_EQ(ReadHotkeyFile(noList).status, HotkeyFileStatus::kDamaged);
  EXPECT_TRUE(ReadHotkeyFile(noList).rows.empty());
  EXPECT_EQ(ReadHotkeyFile("").status, HotkeyFileStatus::kEmpty);
}

TEST(HotkeyFile, HotkeyTextsNameTheCombination) {
  EXPECT_EQ(HotkeyText(Row("", HotkeyAction::kOpenOutlook, "Ctrl+Alt+Shift+Win+F24")), "Ctrl+Alt+Shift+Win+F24");
  EXPECT_EQ(HotkeyText(Row("", HotkeyAction::kOpenOutlook, "Left Arrow")), "Left Arrow");
  EXPECT_EQ(HotkeyText(Row("", HotkeyAction::kOpenOutlook, "")), "");
  const HotkeyRow unknown = Row("", HotkeyAction::kOpenOutlook, "Shift+Cancel");
  EXPECT_TRUE(unknown.shift);
  EXPECT_EQ(unknown.keyIndex, -1);
  EXPECT_FALSE(HasKey(unknown));
  HotkeyRow outside = unknown;
  outside.keyIndex = 95;
  EXPECT_FALSE(HasKey(outside));
  EXPECT_EQ(HotkeyText(outside), "Shift+");
  outside.action = HotkeyAction::kOpenOutlookFolder;
  outside.dataIndex = 6;
  EXPECT_EQ(DataText(outside), "");
}

class HotkeyFileFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("qrv-hotkeys-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

// Saved and loaded in the program folder; a failed save says why and keeps the old file.
TEST_F(HotkeyFileFolder, SavesAndLoadsInTheProgramFolder) {
  EXPECT_EQ(LoadHotkeyFile(folder_).status, HotkeyFileStatus::kMissing);
  ASSERT_TRUE(SaveHotkeyFile(folder_, SampleRows()));
  EXPECT_EQ(ReadFileBytes(folder_ / "prefs-qrv.hkd", 1 << 20), SampleBytes());
  const auto loaded = LoadHotkeyFile(folder_);
  EXPECT_EQ(loaded.status, HotkeyFileStatus::kRead);
  EXPECT_EQ(loaded.rows, SampleRows());
  auto rows = SampleRows();
  rows[0].description = "日本";
  const SaveResult unheld = SaveHotkeyFile(folder_, rows);
  EXPECT_FALSE(unheld);
  EXPECT_NE(unheld.reason.find("Row 1"), std::string::npos);
  const SaveResult noFolder = SaveHotkeyFile(folder_ / "gone", SampleRows());
  EXPECT_FALSE(noFolder);
  EXPECT_FALSE(noFolder.reason.empty());
  EXPECT_EQ(ReadFileBytes(folder_ / "prefs-qrv.hkd", 1 << 20), SampleBytes());
  std::filesystem::create_directories(folder_ / "dir" / "prefs-qrv.hkd");
  EXPECT_EQ(LoadHotkeyFile(folder_ / "dir").status, HotkeyFileStatus::kUnreadable);
}

}  // namespace
}  // namespace qrv
