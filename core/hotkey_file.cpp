#include "core/hotkey_file.h"

#include "core/codepage.h"
#include "core/text.h"

namespace qrv {

namespace {

enum Tag : unsigned char {
  kEndOfList = 0x00,
  kStartOfList = 0x01,
  kInt8 = 0x02,
  kInt16 = 0x03,
  kInt32 = 0x04,
  kShortString = 0x06,
  kFalse = 0x08,
  kTrue = 0x09,
  kLongString = 0x0C,
};

constexpr std::array<HotkeyKey, kHotkeyKeyCount> MakeHotkeyKeys() {
  std::array<HotkeyKey, kHotkeyKeyCount> keys{};
  constexpr HotkeyKey kNamed[] = {
      {"Backspace", 0x08},   {"Tab", 0x09},        {"Return", 0x0D},   {"Pause", 0x13},       {"Capslock", 0x14},
      {"Escape", 0x1B},      {"Space", 0x20},      {"PgUp", 0x21},     {"PgDn", 0x22},        {"Home", 0x24},
      {"End", 0x23},         {"Left Arrow", 0x25}, {"Up Arrow", 0x26}, {"Right Arrow", 0x27}, {"Down Arrow", 0x28},
      {"PrintScreen", 0x2C}, {"Insert", 0x2D},     {"Delete", 0x2E}};
  constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  constexpr std::string_view kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                           "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
  constexpr std::string_view kNumPad[] = {"Num 0", "Num 1", "Num 2", "Num 3", "Num 4",
                                          "Num 5", "Num 6", "Num 7", "Num 8", "Num 9"};
  constexpr HotkeyKey kNumSigns[] = {
      {"Num *", 0x6A}, {"Num +", 0x6B}, {"Num -", 0x6D}, {"Num .", 0x6E}, {"Num /", 0x6F}};
  constexpr std::string_view kFunction[] = {"F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",
                                            "F9",  "F10", "F11", "F12", "F13", "F14", "F15", "F16",
                                            "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};
  std::size_t i = 0;
  for (const auto& key : kNamed) keys[i++] = key;
  for (std::uint8_t k = 0; k < 10; ++k) keys[i++] = {kDigits[k], static_cast<std::uint8_t>(0x30 + k)};
  for (std::uint8_t k = 0; k < 26; ++k) keys[i++] = {kLetters[k], static_cast<std::uint8_t>(0x41 + k)};
  for (std::uint8_t k = 0; k < 10; ++k) keys[i++] = {kNumPad[k], static_cast<std::uint8_t>(0x60 + k)};
  for (const auto& key : kNumSigns) keys[i++] = key;
  for (std::uint8_t k = 0; k < 24; ++k) keys[i++] = {kFunction[k], static_cast<std::uint8_t>(0x70 + k)};
  keys[i++] = {"Numlock", 0x90};
  keys[i++] = {"Scrolllock", 0x91};
  return keys;
}

constexpr std::array<HotkeyKey, kHotkeyKeyCount> kHotkeyKeys = MakeHotkeyKeys();

// A bounded reader of the value stream: each read checks the bytes left and
// the tag, and the first failure stops every later read, with its reason.
class ValueReader {
 public:
  explicit ValueReader(std::string_view bytes) : bytes_(bytes) {}

  bool Failed() const { return !reason_.empty(); }
  std::size_t Position() const { return position_; }
  std::size_t FailedAt() const { return failedAt_; }
  const std::string& Reason() const { return reason_; }

  std::optional<unsigned char> PeekTag() {
    if (Failed()) return std::nullopt;
    if (position_ >= bytes_.size()) return Fail(position_, "The file ends early."), std::nullopt;
    return static_cast<unsigned char>(bytes_[position_]);
  }

  bool Expect(unsigned char tag) {
    const auto found = PeekTag();
    if (!found) return false;
    if (*found != tag) return Fail(position_, UnexpectedTag(*found));
    ++position_;
    return true;
  }

  std::optional<std::int64_t> Integer() {
    const auto tag = PeekTag();
    if (!tag) return std::nullopt;
    const std::size_t at = position_;
    const std::size_t width = *tag == kInt8 ? 1 : *tag == kInt16 ? 2 : *tag == kInt32 ? 4 : 0;
    if (width == 0) return Fail(at, UnexpectedTag(*tag)), std::nullopt;
    ++position_;
    return Signed(width, at);
  }

  std::optional<std::string> String() {
    const auto tag = PeekTag();
    if (!tag) return std::nullopt;
    const std::size_t at = position_;
    if (*tag != kShortString && *tag != kLongString) return Fail(at, UnexpectedTag(*tag)), std::nullopt;
    ++position_;
    const auto length = *tag == kShortString ? Length(Unsigned(1, at)) : Signed(4, at);
    if (!length) return std::nullopt;
    if (*length < 0) return Fail(at, "A text has a negative length."), std::nullopt;
    if (static_cast<std::uint64_t>(*length) > bytes_.size() - position_)
      return Fail(at, "A text runs past the end of the file."), std::nullopt;
    std::string text(bytes_.substr(position_, static_cast<std::size_t>(*length)));
    position_ += text.size();
    return text;
  }

  std::optional<bool> Boolean() {
    const auto tag = PeekTag();
    if (!tag) return std::nullopt;
    if (*tag != kTrue && *tag != kFalse) return Fail(position_, UnexpectedTag(*tag)), std::nullopt;
    ++position_;
    return *tag == kTrue;
  }

  bool Fail(std::size_t at, std::string reason) {
    if (!Failed()) failedAt_ = at, reason_ = std::move(reason);
    return false;
  }

 private:
  static std::string UnexpectedTag(unsigned char tag) {
    constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("An unexpected value (tag ") + kHex[tag >> 4] + kHex[tag & 15] + ").";
  }

  // The short form's length byte is unsigned.
  static std::optional<std::int64_t> Length(std::optional<std::uint64_t> byte) {
    if (!byte) return std::nullopt;
    return static_cast<std::int64_t>(*byte);
  }

  std::optional<std::uint64_t> Unsigned(std::size_t width, std::size_t at) {
    if (bytes_.size() - position_ < width) return Fail(at, "The file ends early."), std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
      value |= std::uint64_t{static_cast<unsigned char>(bytes_[position_ + i])} << (8 * i);
    position_ += width;
    return value;
  }

  std::optional<std::int64_t> Signed(std::size_t width, std::size_t at) {
    const auto value = Unsigned(width, at);
    if (!value) return std::nullopt;
    const std::uint64_t sign = std::uint64_t{1} << (8 * width - 1);
    return static_cast<std::int64_t>(*value ^ sign) - static_cast<std::int64_t>(sign);
  }

  std::string_view bytes_;
  std::size_t position_ = 0;
  std::size_t failedAt_ = 0;
  std::string reason_;
};

std::optional<HotkeyRow> ReadRow(ValueReader& reader) {
  HotkeyRow row;
  const auto description = reader.String();
  const std::size_t actionAt = reader.Position();
  const auto action = reader.Integer();
  if (!description || !action) return std::nullopt;
  if (*action < 0 || *action >= kHotkeyActionCount)
    return reader.Fail(actionAt, "An unknown action code " + std::to_string(*action) + "."), std::nullopt;
  row.description = AnsiToUtf8(*description);
  row.action = static_cast<HotkeyAction>(*action);
  if (DataOf(row.action) == HotkeyData::kText) {
    const auto text = reader.String();
    if (!text) return std::nullopt;
    row.text = AnsiToUtf8(*text);
  } else if (DataOf(row.action) == HotkeyData::kIndex) {
    const auto index = reader.Integer();
    if (!index) return std::nullopt;
    row.dataIndex = static_cast<int>(*index);
  }
  for (bool* flag : {&row.ctrl, &row.alt, &row.shift, &row.win}) {
    const auto value = reader.Boolean();
    if (!value) return std::nullopt;
    *flag = *value;
  }
  const auto key = reader.Integer();
  const auto active = key ? reader.Boolean() : std::nullopt;
  if (!active) return std::nullopt;
  row.keyIndex = static_cast<int>(*key);
  row.active = *active;
  return row;
}

void WriteInteger(std::string& out, std::int64_t value) {
  const std::size_t width = value >= -128 && value <= 127 ? 1 : value >= -32768 && value <= 32767 ? 2 : 4;
  out += static_cast<char>(width == 1 ? kInt8 : width == 2 ? kInt16 : kInt32);
  for (std::size_t i = 0; i < width; ++i)
    out += static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF);
}

void WriteRawString(std::string& out, std::string_view bytes) {
  if (bytes.size() < 256) {
    out += static_cast<char>(kShortString);
    out += static_cast<char>(bytes.size());
  } else {
    out += static_cast<char>(kLongString);
    for (std::size_t i = 0; i < 4; ++i) out += static_cast<char>((bytes.size() >> (8 * i)) & 0xFF);
  }
  out += bytes;
}

bool WriteString(std::string& out, std::string_view utf8, std::string* fault) {
  std::string unheld;
  const auto bytes = Utf8ToAnsi(utf8, &unheld);
  if (!bytes) {
    if (fault) *fault = UnheldCharacterMessage(unheld);
    return false;
  }
  WriteRawString(out, *bytes);
  return true;
}

bool WriteRow(std::string& out, const HotkeyRow& row, std::string* fault) {
  const auto action = static_cast<int>(row.action);
  if (action >= kHotkeyActionCount) {
    if (fault) *fault = "An unknown action code " + std::to_string(action) + ".";
    return false;
  }
  if (!WriteString(out, row.description, fault)) return false;
  WriteInteger(out, action);
  if (DataOf(row.action) == HotkeyData::kText && !WriteString(out, row.text, fault)) return false;
  if (DataOf(row.action) == HotkeyData::kIndex) WriteInteger(out, row.dataIndex);
  for (bool flag : {row.ctrl, row.alt, row.shift, row.win}) out += static_cast<char>(flag ? kTrue : kFalse);
  WriteInteger(out, row.keyIndex);
  out += static_cast<char>(row.active ? kTrue : kFalse);
  return true;
}

}  // namespace

const std::array<HotkeyKey, kHotkeyKeyCount>& HotkeyKeys() { return kHotkeyKeys; }

HotkeyData DataOf(HotkeyAction action) {
  switch (action) {
    case HotkeyAction::kExecuteProgram:
    case HotkeyAction::kSendKeystrokes:
      return HotkeyData::kText;
    case HotkeyAction::kExitWindows:
    case HotkeyAction::kOpenOutlookFolder:
    case HotkeyAction::kCreateOutlookItem:
      return HotkeyData::kIndex;
    default:
      return HotkeyData::kNone;
  }
}

std::vector<std::string_view> DataChoices(HotkeyAction action) {
  switch (action) {
    case HotkeyAction::kExitWindows:
      return {kExitChoices.begin(), kExitChoices.end()};
    case HotkeyAction::kOpenOutlookFolder:
      return {kOutlookFolderChoices.begin(), kOutlookFolderChoices.end()};
    case HotkeyAction::kCreateOutlookItem:
      return {kOutlookItemChoices.begin(), kOutlookItemChoices.end()};
    default:
      return {};
  }
}

std::string DataText(const HotkeyRow& row) {
  if (DataOf(row.action) == HotkeyData::kText) return row.text;
  const auto choices = DataChoices(row.action);
  if (row.dataIndex < 0 || static_cast<std::size_t>(row.dataIndex) >= choices.size()) return {};
  return std::string(choices[static_cast<std::size_t>(row.dataIndex)]);
}

std::string_view KeyName(int keyIndex) {
  if (keyIndex < 0 || keyIndex >= kHotkeyKeyCount) return {};
  return kHotkeyKeys[static_cast<std::size_t>(keyIndex)].name;
}

int KeyIndex(std::string_view name) {
  for (int i = 0; i < kHotkeyKeyCount; ++i)
    if (kHotkeyKeys[static_cast<std::size_t>(i)].name == name) return i;
  return -1;
}

bool HasKey(const HotkeyRow& row) { return !KeyName(row.keyIndex).empty(); }

std::string HotkeyText(const HotkeyRow& row) {
  std::string text;
  const std::pair<bool, std::string_view> words[] = {
      {row.ctrl, "Ctrl"}, {row.alt, "Alt"}, {row.shift, "Shift"}, {row.win, "Win"}};
  for (const auto& [on, word] : words)
    if (on) (text += word) += '+';
  const std::string_view key = KeyName(row.keyIndex);
  return key.empty() ? text : text + std::string(key);
}

void SetHotkeyText(HotkeyRow& row, std::string_view hotkeyText) {
  row.ctrl = Contains(hotkeyText, "Ctrl");
  row.alt = Contains(hotkeyText, "Alt");
  row.shift = Contains(hotkeyText, "Shift");
  row.win = Contains(hotkeyText, "Win");
  std::string_view key = hotkeyText;
  for (std::string_view word : {"Ctrl", "Alt", "Shift", "Win"}) {
    if (!StartsWith(key, word)) continue;
    key.remove_prefix(word.size());
    if (StartsWith(key, "+")) key.remove_prefix(1);
  }
  row.keyIndex = KeyIndex(key);
}

HotkeyFileContents ReadHotkeyFile(std::string_view bytes) {
  HotkeyFileContents contents;
  if (bytes.empty()) {
    contents.status = HotkeyFileStatus::kEmpty;
    return contents;
  }
  contents.status = HotkeyFileStatus::kDamaged;
  ValueReader reader(bytes);
  if (reader.String() && reader.Expect(kStartOfList)) {
    while (reader.PeekTag() && *reader.PeekTag() != kEndOfList) {
      auto row = ReadRow(reader);
      if (!row) break;
      contents.rows.push_back(std::move(*row));
    }
  }
  if (!reader.Failed()) {
    contents.status = HotkeyFileStatus::kRead;
    return contents;
  }
  contents.damageOffset = reader.FailedAt();
  contents.reason = reader.Reason();
  return contents;
}

std::optional<std::string> HotkeyFileBytes(const std::vector<HotkeyRow>& rows, std::string* fault) {
  std::string out;
  WriteRawString(out, kHotkeyFileHeader);
  out += static_cast<char>(kStartOfList);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string why;
    if (!WriteRow(out, rows[i], &why)) {
      if (fault) *fault = "Row " + std::to_string(i + 1) + " (" + rows[i].description + "): " + why;
      return std::nullopt;
    }
  }
  out += static_cast<char>(kEndOfList);
  return out;
}

HotkeyFileContents LoadHotkeyFile(const std::filesystem::path& folder) {
  FileRead file = ReadStoredFile(folder / kHotkeyFileName, kMaxHotkeyFileBytes);
  if (file.status == ReadStatus::kRead) return ReadHotkeyFile(file.bytes);
  HotkeyFileContents contents;
  contents.status = file.status == ReadStatus::kMissing ? HotkeyFileStatus::kMissing : HotkeyFileStatus::kUnreadable;
  contents.reason = std::move(file.reason);
  return contents;
}

SaveResult SaveHotkeyFile(const std::filesystem::path& folder, const std::vector<HotkeyRow>& rows) {
  std::string fault;
  const auto bytes = HotkeyFileBytes(rows, &fault);
  if (!bytes) return SaveResult{.reason = fault};
  return WriteFileSafely(folder / kHotkeyFileName, *bytes);
}

}  // namespace qrv
