// The texts an Information Item turns into when it leaves the window: the
// names of its To and Cc boxes, the web address of a search, the command line
// of a browser started directly, the "mailto:" address of an e-mail handed to
// the mail program, and the name and content of a text document. Texts are
// UTF-8; URL encoding works on the bytes of the system code page.
// Addresses are checked with IsSearchAddress before a search opens them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"

namespace qrv {

// --- recipients ----------------------------------------------------------------

// Names typed in a To or Cc box: cut at every ";" (and "," unless
// `commasSeparate` is false), each trimmed, empty ones dropped. A box that
// still holds the display names the name check wrote back is cut at ";" only,
// so that a name holding a comma ("Smith, John") stays one name.
std::vector<std::string> SplitRecipients(std::string_view text, bool commasSeparate = true);
// Names as a box shows them once resolved: joined by ";" with no blanks.
std::string JoinRecipients(const std::vector<std::string>& names);

// --- web searches --------------------------------------------------------------

// The address of a subject typed without a web service: "Http://" in front
// unless it already names a scheme ("https://", "ftp://" anywhere in it).
std::string AddressOfSubject(std::string_view subject);

// The first line of the keyword list that stands for the service with this
// caption (its URL template and default criteria are read from it with
// ServiceUrl and ServiceCriteria); none when no line does.
std::optional<std::string> FindServiceLine(const std::vector<std::string>& keywordList, std::string_view caption);

// What is searched for: the subject after the service's keyword and the one
// character behind it when the subject holds the keyword (in any letter case),
// else the whole subject; trimmed.
std::string SearchCriteria(std::string_view subject, std::string_view keyword);

// The template with today's date ("<DD>", "<D>", "<MM>", "<M>", "<Y>", every
// occurrence) and its first "<QRV!>" replaced by the criteria, or by the
// default criteria when the criteria are empty, URL encoded (EncodeCriteria).
std::string FillUrlTemplate(std::string_view urlTemplate, Date today, std::string_view criteria,
                            std::string_view defaultCriteria);

// The command line of a browser started directly: its path in quotation marks,
// a blank and the address as one quoted argument, "\"" written as "%22".
std::string BrowserCommandLine(std::string_view browserPath, std::string_view address);

// --- e-mail through the mail program -------------------------------------------

// The "mailto:" address of an e-mail; the subject and body come URL encoded
// with every "+" written as "%20". None when the address with "?cc=" is 256
// characters or longer, which the mail program cannot take.
std::optional<std::string> MailtoAddress(std::string_view to, std::string_view cc, std::string_view encodedSubject,
                                         std::string_view encodedBody);
// URL encoding for "mailto:" (EncodeCriteria with blanks as "%20").
std::string MailtoEncode(std::string_view utf8);

// --- text documents ------------------------------------------------------------

// Whether a search may open the address: a web address (IsWebAddress,
// core/service_editing.h) or an "ftp://" one under the same rules.
bool IsSearchAddress(std::string_view address);

// The file name the save dialog offers for a subject: made usable as
// FileNameFromTitle makes it, with ".txt" added unless the name holds a ".".
// A name longer than the dialog takes is cut at a character and ends in ".txt".
// A blank subject offers "".
inline constexpr std::size_t kOfferedNameLimit = 200;  // UTF-16 units
std::string OfferedFileName(std::string_view subject);

// The document: the subject as its first line when it is not blank, then the body.
std::string TextDocument(std::string_view subject, std::string_view body);

}  // namespace qrv
