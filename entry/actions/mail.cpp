// E-mail handed to the other mail program: sent through Simple MAPI on Save,
// opened as a "mailto:" address on Open.
#include "core/codepage.h"
#include "core/entry_texts.h"
#include "core/service_editing.h"
#include "entry/actions/item_actions.h"
#include "entry/entry_window.h"
#include "ui/dialogs.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr std::size_t kMaxSubject = 255;  // characters, as Simple MAPI takes them

std::string EncodedForMailto(const std::wstring& text) { return MailtoEncode(Narrow(text)); }

std::wstring NameLines(const std::vector<std::string>& names) {
  std::wstring lines;
  for (const std::string& name : names) lines += L"\r\n" + Widen(name);
  return lines;
}

}  // namespace

// Everything is read afresh from the boxes, so that nothing of an earlier
// attempt goes out again. Only a finished send lets the window go.
bool ItemActions::SendThroughMapi(const EntryWindow& window, const ItemInput& input) {
  const auto resolved = resolvedTexts_.find(window.Handle());
  const bool toResolved = resolved != resolvedTexts_.end() && resolved->second.first == input.recipients;
  const bool ccResolved = resolved != resolvedTexts_.end() && resolved->second.second == input.copies;
  email_.recipients = SplitRecipients(input.recipients, !toResolved);
  email_.copies = SplitRecipients(input.copies, !ccResolved);
  email_.blindCopies.clear();
  email_.attachments.clear();
  for (const std::wstring& file : window.LateParts().Attachments()) email_.attachments.push_back(Narrow(file));
  email_.subject = Utf16Prefix(input.storedSubject, kMaxSubject);
  email_.body = input.body;
  const ULONG code = email_.SendMail();
  if (code == SUCCESS_SUCCESS) return true;
  if (!email_.UnresolvedNames().empty()) {
    ShowMessage(L"The e-mail was not sent: these names could not be resolved:" + NameLines(email_.UnresolvedNames()),
                MessageKind::kWarning, MessageButtons::kOk, {.owner = window.Handle()});
  } else if (code == kMapiAttachmentMissing) {
    ShowMessage(L"Sendmail failed: an attached file is missing.", MessageKind::kError, MessageButtons::kOk,
                {.owner = window.Handle()});
  } else if (code != MAPI_USER_ABORT) {
    ShowMessage(L"Sendmail failed", MessageKind::kError, MessageButtons::kOk, {.owner = window.Handle()});
  }
  return false;
}

bool ItemActions::OpenMailto(const EntryWindow& window, const ItemInput& input) const {
  const auto address = MailtoAddress(input.recipients, input.copies, EncodedForMailto(window.Parser().StoredSubject()),
                                     EncodedForMailto(window.Body()));
  if (!address) {
    ShowMessage(L"Open currently does not support Outlook Express\r\nmessages greater than 256 characters.",
                MessageKind::kWarning, MessageButtons::kOk, {.owner = window.Handle()});
    return false;
  }
  if (!window.LateParts().Attachments().empty()) {
    ShowMessage(L"The attached files must be added in the mail program: the e-mail opens without them.",
                MessageKind::kInformation, MessageButtons::kOk, {.owner = window.Handle()});
  }
  return ShellOpened(window, Widen(EscapeWebAddress(*address)));
}

}  // namespace qrv
