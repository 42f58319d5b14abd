#include "components/shell_ext.h"

#include <shellapi.h>
#include <shlobj.h>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/text.h"
#include "ui/program_file.h"

namespace qrv {

namespace {

// A registry value longer than this is no association of ours.
constexpr DWORD kMaxValueBytes = 32 * 1024;

class RegKey {
 public:
  RegKey() = default;
  ~RegKey() {
    if (key_) RegCloseKey(key_);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  // An empty path would name the parent itself: refused, so that no value is
  // ever read from or written to the root of the classes key by mistake.
  bool Open(HKEY parent, const std::wstring& path) {
    return !path.empty() && RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key_) == ERROR_SUCCESS;
  }
  operator HKEY() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The key's default value; a missing value reads as empty. False for a value
// that is no text or is too long.
bool ReadDefault(HKEY key, std::wstring& text) {
  DWORD type = 0;
  DWORD size = 0;
  LONG result = RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &size);
  if (result == ERROR_FILE_NOT_FOUND) {
    text.clear();
    return true;
  }
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxValueBytes) return false;
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  result = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
  if (result != ERROR_SUCCESS) return false;
  value.resize(size / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0') value.pop_back();
  text = std::move(value);
  return true;
}

// The association's keys below a classes key and their default values.
using ClassValues = std::vector<std::pair<std::wstring, std::wstring>>;

// Creates each key below `root` + `prefix` and sets its default value; the
// system's error code of the first step that failed.
LONG WriteValues(HKEY root, const std::wstring& prefix, const ClassValues& values) {
  for (const auto& [path, text] : values) {
    HKEY key{};
    LONG result = RegCreateKeyExW(root, (prefix + path).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS) return result;
    result = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return result;
  }
  return ERROR_SUCCESS;
}

// Whether the classes root, as programs and the shell read it, holds every value.
bool ClassesRootShows(const ClassValues& values) {
  for (const auto& [path, text] : values) {
    RegKey key;
    std::wstring found;
    if (!key.Open(HKEY_CLASSES_ROOT, path) || !ReadDefault(key, found) || found != text) return false;
  }
  return true;
}

// An icon index as the registry holds it, read like every stored number.
std::optional<int> ReadIndex(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return ReadInt(narrow);
}

}  // namespace

FileAssociation::FileAssociation() { SetOpenWithMe(true); }

FileAssociation::~FileAssociation() { SetIcon(nullptr); }

void FileAssociation::SetIcon(HICON icon) {
  if (icon == icon_ && icon) return;
  HICON copy = icon ? CopyIcon(icon) : nullptr;
  if (icon_) DestroyIcon(icon_);
  icon_ = copy;
}

void FileAssociation::SetOpenWith(const std::wstring& path) {
  if (!openWithMe_) openWith_ = path;
}

void FileAssociation::SetOpenWithMe(bool on) {
  openWithMe_ = on;
  if (on) openWith_ = ExeName();
}

bool FileAssociation::WriteAssociation() {
  writeError_ = ERROR_INVALID_PARAMETER;
  bool written = false;
  if (!extension_.empty() && !extDescription_.empty()) {
    const ClassValues values{
        {extension_, extDescription_},
        {extDescription_, fileDescription_},
        {extDescription_ + L"\\DefaultIcon", openWith_ + L"," + std::to_wstring(iconIndex_)},
        {extDescription_ + L"\\Shell\\Open\\Command", L"\"" + openWith_ + L"\" \"" + paramString_ + L"\""}};
    const LONG userError = WriteValues(HKEY_CURRENT_USER, L"Software\\Classes\\", values);
    LONG rootError = ERROR_SUCCESS;
    written = ClassesRootShows(values);
    if (!written) {
      // The user's classes are not (all) seen through the classes root: write
      // them there too, where this user may.
      rootError = WriteValues(HKEY_CLASSES_ROOT, L"", values);
      written = ClassesRootShows(values);
    }
    // The first refusal says why; a write that went through and still does not
    // show counts as refused.
    writeError_ = written                      ? ERROR_SUCCESS
                  : userError != ERROR_SUCCESS ? userError
                  : rootError != ERROR_SUCCESS ? rootError
                                               : ERROR_ACCESS_DENIED;
  }
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
  return written;
}

bool FileAssociation::ReadAssociation() {
  RegKey extension;
  if (!extension.Open(HKEY_CLASSES_ROOT, extension_) || !ReadDefault(extension, extDescription_)) return false;
  RegKey fileType;
  if (!fileType.Open(HKEY_CLASSES_ROOT, extDescription_) || !ReadDefault(fileType, fileDescription_) ||
      !ReadIcon(fileType))
    return false;
  RegKey command;
  std::wstring line;
  if (!command.Open(fileType, L"Shell\\Open\\Command") || !ReadDefault(command, line)) return false;
  openWithMe_ = false;
  openWith_ = line.substr(0, line.find(L" \"%1\""));
  return true;
}

// The icon location "file,index": false without a comma or with an index that
// is no number. A file without that icon leaves no icon and is no failure.
bool FileAssociation::ReadIcon(HKEY fileType) {
  RegKey key;
  std::wstring location;
  if (!key.Open(fileType, L"DefaultIcon") || !ReadDefault(key, location)) return false;
  const auto comma = location.find(L',');
  if (comma == std::wstring::npos) return false;
  const std::optional<int> index = ReadIndex(location.substr(comma + 1));
  if (!index) return false;
  SetIcon(nullptr);
  // ExtractIcon answers the number of icons for the index -1, not an icon, and
  // knows no other negative index: such a location reads as no icon.
  if (*index < 0) return true;
  const std::wstring file = location.substr(0, comma);
  HICON extracted = ExtractIconW(GetModuleHandleW(nullptr), file.c_str(), static_cast<UINT>(*index));
  // ExtractIcon answers 1 for a file that is no program, library or icon file.
  if (extracted && extracted != reinterpret_cast<HICON>(1)) icon_ = extracted;
  return true;
}

}  // namespace qrv
