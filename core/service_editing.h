// What the web-services editor checks and converts between its four fields and
// a web-service record: fields that would break the record apart, the URL as
// the user edits it (the criteria marker shown as "*"), the sample criteria
// put into a URL for a test, and a file name made from a title.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qrv {

// The four fields of the editor, as typed (UTF-8).
struct ServiceFields {
  std::string keyword;
  std::string title;
  std::string description;
  std::string url;
};

// A message naming the first field that cannot be stored as typed, because it
// would change how the record reads back (a delimiter of the record inside a
// field) or because the files' code page cannot hold its characters; none when
// every field can be stored.
std::optional<std::string> FieldProblem(const ServiceFields& fields);

// The URL field for a stored template. The criteria marker shows as "*" only
// when that cannot be mistaken: exactly one marker and no "*" of its own.
// Any other template is shown as stored.
std::string UrlForEditing(std::string_view urlTemplate);
// The template for a typed URL: "http://" in front when it lacks "://"; the
// first "*" becomes the criteria marker unless the text already holds one.
std::string UrlFromEditing(std::string_view typedUrl);

// The URL field's text and the template it stands for. An unedited field stores
// the template it was loaded from, byte for byte, whatever it holds.
class EditedUrl {
 public:
  // The field's text for a template just loaded; remembers both.
  std::string Load(std::string_view urlTemplate);
  void Forget() { shown_.clear(), stored_.clear(); }
  std::string Template(std::string_view fieldText) const;

 private:
  std::string shown_;
  std::string stored_;
};

// The sample criteria as they go into a URL: a blank becomes "+", ASCII letters
// and digits stay, every other byte of the code page becomes "%XX".
std::string EncodeCriteria(std::string_view utf8);
bool HasCriteriaMarker(std::string_view urlTemplate);
// Only these addresses are handed to the web browser: "http://" or
// "https://" in any letter case, without control characters.
bool IsWebAddress(std::string_view url);

// The address as the shell and a browser's command line take it, as one
// argument: every byte a URL cannot hold as it is (blanks, quotation marks,
// control characters, "<>\^`{|}" and the bytes of characters beyond ASCII)
// becomes "%XX" of its UTF-8 byte; "%" and the rest stay as they are. Blanks
// around the address go first.
std::string EscapeWebAddress(std::string_view utf8);

// A file name (without folder) made from a service's title: every character a
// file name cannot hold becomes "_", trailing dots and blanks go, a device name
// gets "_" after it, and an empty result becomes "service".
std::string FileNameFromTitle(std::string_view title);

}  // namespace qrv
