#include "components/shell_ext.h"

#include <shellapi.h>
#include <shlobj.h>

#include <optional>
#include <string_view>

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
  bool Create(HKEY parent, const std::wstring& path) {
    return !path.empty() && RegCreateKeyExW(parent, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_,
                                            nullptr) == ERROR_SUCCESS;
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

// Creates the key below the classes root and sets its default value.
bool WriteDefault(const std::wstring& path, const std::wstring& text) {
  RegKey key;
  return key.Create(HKEY_CLASSES_ROOT, path) &&
         RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// An icon index as the registry holds it, read like every stored number.
std::optional<int> ReadIndex(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return ReadInt(narrow);
}

}  // namespace

TShellExt::TShellExt() { SetOpenWithMe(true); }

TShellExt::~TShellExt() { SetIcon(nullptr); }

void TShellExt::SetIcon(HICON icon) {
  if (icon == icon_ && icon) return;
  HICON copy = icon ? CopyIcon(icon) : nullptr;
  if (icon_) DestroyIcon(icon_);
  icon_ = copy;
}

void TShellExt::SetOpenWith(const std::wstring& path) {
  if (!openWithMe_) openWith_ = path;
}

void TShellExt::SetOpenWithMe(bool on) {
  openWithMe_ = on;
  if (on) openWith_ = ExeName();
}

bool TShellExt::WriteAssociation() {
  const bool written =
      !extension_.empty() && !extDescription_.empty() && WriteDefault(extension_, extDescription_) &&
      WriteDefault(extDescription_, fileDescription_) &&
      WriteDefault(extDescription_ + L"\\DefaultIcon", openWith_ + L"," + std::to_wstring(iconIndex_)) &&
      WriteDefault(extDescription_ + L"\\Shell\\Open\\Command", L"\"" + openWith_ + L"\" \"" + paramString_ + L"\"");
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
  return written;
}

bool TShellExt::ReadAssociation() {
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
bool TShellExt::ReadIcon(HKEY fileType) {
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
