// The bar's settings: read from the settings key "\Software\QV\Quorvel" under
// HKEY_CURRENT_USER together with the programs the bar starts, located from the
// registry with their usual places as fallbacks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/bar_settings.h"

namespace qrv {

// The settings key under HKEY_CURRENT_USER.
inline constexpr wchar_t kSettingsKey[] = L"Software\\QV\\Quorvel";

// Every string value of the key; nothing when the key does not exist. Values of
// another type, or longer than any setting can be, read as missing.
std::optional<SettingsValues> ReadSettingsKey(const wchar_t* key = kSettingsKey);

// One string value; empty when it or the key is missing.
std::string ReadSetting(const char* name, const wchar_t* key = kSettingsKey);

// Writes one string value, creating the key when needed; false when it failed.
bool WriteSetting(const char* name, const std::string& text, const wchar_t* key = kSettingsKey);

// Reads the key into `settings` (writing LASTUPDATE when the key holds none)
// and locates the programs the bar starts.
void LoadBarSettings(BarSettings& settings, const wchar_t* key = kSettingsKey);

// Outlook's journal entry types: the names of its journaling keys, or their
// descriptions where they have one.
std::vector<std::string> ReadJournalTypes();

// Whether a file (not a folder) exists at the path.
bool FileExists(const std::string& path);
// The folder of a path with its trailing backslash ("C:\a\b.exe" gives "C:\a\").
std::string FolderOf(const std::string& path);

// The user's short date format, such as "M/d/yyyy", and today's date.
std::string ShortDateFormat();
Date Today();

}  // namespace qrv
