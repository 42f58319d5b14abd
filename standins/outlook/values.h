// Text helpers of the stand-in Outlook: UTF-8 and UTF-16, the escaped one-line
// form that texts take in the call log and the store file, and dates, which
// Outlook takes as text in the user's formats and keeps as dates.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace standin {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// Backslash, carriage return, line feed, tab and double quote written as \\ \r
// \n \t \" so that every value stays on one line; Unescape reverses it.
std::string Escape(std::string_view text);
std::string Unescape(std::string_view text);

// A date text in the user's short date and time formats, as Outlook reads it.
std::optional<double> ParseDate(std::string_view text);
// The one form the store keeps a date in: M/d/yyyy, then h:mm:ss AM or PM when
// it has a time of day (US English on every machine); and reading it back.
std::string DateText(double date);
std::optional<double> ParseStoreDate(std::string_view text);

}  // namespace standin
