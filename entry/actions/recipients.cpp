// The names of the To and Cc boxes resolved against the mail system, and the
// contact lookup of the subject in Outlook's contacts.
#include "core/entry_texts.h"
#include "core/text.h"
#include "entry/actions/item_actions.h"
#include "entry/entry_window.h"
#include "outlook/outlook_names.h"
#include "ui/dialogs.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr std::size_t kMaxName = 255;

bool ResolvesNames(std::optional<EntryType> button, const std::wstring& to, const std::wstring& cc) {
  if (button == EntryType::kEmail) return !to.empty() || !cc.empty();
  const bool dated = button == EntryType::kTask || button == EntryType::kAppointment || button == EntryType::kJournal;
  return dated && !to.empty();
}

}  // namespace

// Before a save or open the names go through Simple MAPI only while the other
// mail program takes the e-mail: in Outlook's mode Outlook resolves them in
// the item, and Simple MAPI need not be there at all.
bool ItemActions::ProcessRecipients(EntryWindow& window) {
  if (!UsesOtherMailProgram(data_.settings)) return true;
  ResolveBoxes(window, false);
  return true;
}

void ItemActions::CheckNames(EntryWindow& window) {
  Guarded(window.Handle(), [&] {
    const bool throughOutlook = !UsesOtherMailProgram(data_.settings);
    const std::vector<std::string> failed = ResolveBoxes(window, throughOutlook);
    if (!failed.empty() && throughOutlook) {
      std::wstring names;
      for (const std::string& name : failed) names += L"\r\n" + Widen(name);
      ShowMessage(L"These names could not be resolved:" + names, MessageKind::kInformation, MessageButtons::kOk,
                  {.owner = window.Handle()});
    }
  });
}

// The address book of the other mail program, opened on the names of the
// boxes (To, and Cc for an e-mail); what the user confirms replaces them. A
// cancelled book changes nothing; any other failure is told.
void ItemActions::ChooseAddresses(EntryWindow& window, int fields) {
  Guarded(window.Handle(), [&] {
    const bool email = window.TypeButtons().Down() == EntryType::kEmail;
    auto& written = resolvedTexts_[window.Handle()];
    const std::string to = Narrow(window.Header().Recipients().Text()), cc = Narrow(window.Header().Copies().Text());
    email_.recipients = SplitRecipients(to, written.first != to);
    email_.copies = email ? SplitRecipients(cc, written.second != cc) : std::vector<std::string>{};
    email_.blindCopies.clear();
    email_.editFields = static_cast<ULONG>(fields);
    const ULONG code = email_.ShowAddressBook();
    if (code == SUCCESS_SUCCESS) {
      // The book's display names may hold commas: they are never split again.
      written.first = JoinRecipients(email_.recipients);
      window.Header().Recipients().SetText(Widen(written.first), Notify::kYes);
      if (email) {
        written.second = JoinRecipients(email_.copies);
        window.Header().Copies().SetText(Widen(written.second));
      }
    } else if (code != MAPI_USER_ABORT) {
      ShowMessage(L"The address book could not be opened (Simple MAPI error " + std::to_wstring(code) + L").",
                  MessageKind::kError, MessageButtons::kOk, {.owner = window.Handle()});
    }
  });
}

// Resolves the names of the boxes; when every one resolved the boxes show the
// display names joined by ";", else they keep what was typed. The names that
// failed.
std::vector<std::string> ItemActions::ResolveBoxes(EntryWindow& window, bool throughOutlook) {
  const std::optional<EntryType> button = window.TypeButtons().Down();
  const std::wstring to = window.Header().Recipients().Text(), cc = window.Header().Copies().Text();
  if (!ResolvesNames(button, to, cc)) return {};
  const bool email = button == EntryType::kEmail;
  auto& written = resolvedTexts_[window.Handle()];
  std::vector<std::string> toNames = SplitRecipients(Narrow(to), written.first != Narrow(to));
  std::vector<std::string> ccNames;
  if (email) ccNames = SplitRecipients(Narrow(cc), written.second != Narrow(cc));
  std::vector<std::string> failed;
  if (throughOutlook) {
    ResolveNames(outlook_, toNames, failed);
    ResolveNames(outlook_, ccNames, failed);
  } else {
    ResolveThroughMapi(toNames, failed);
    ResolveThroughMapi(ccNames, failed);
  }
  if (!failed.empty()) return failed;
  written.first = JoinRecipients(toNames);
  window.Header().Recipients().SetText(Widen(written.first), Notify::kYes);
  if (email) {
    written.second = JoinRecipients(ccNames);
    window.Header().Copies().SetText(Widen(written.second));
  }
  return failed;
}

bool ItemActions::ResolveThroughMapi(std::vector<std::string>& names, std::vector<std::string>& failed) {
  bool all = true;
  for (std::string& name : names) {
    const std::string display = email_.ResolveName(name.substr(0, kMaxName));
    if (display.empty()) {
      failed.push_back(name);
      all = false;
    } else {
      name = display;
    }
  }
  return all;
}

// --- Find Contact --------------------------------------------------------------------

void ItemActions::FindContact(EntryWindow& window) {
  Guarded(window.Handle(), [&] {
    std::string name = Trim(Narrow(window.Header().Subject().Text()));
    if (name.empty()) return;
    if (email_.Available()) {
      if (const std::string display = email_.ResolveName(name.substr(0, kMaxName)); !display.empty()) {
        name = display;
        window.Header().Subject().SetPlainText(Widen(name));
      }
    }
    const OleObject contact = qrv::FindContact(outlook_, name);
    if (contact.IsEmpty()) {
      ShowMessage(L"Name not found.", MessageKind::kInformation, MessageButtons::kOk, {.owner = window.Handle()});
      return;
    }
    contact.Call("Display");
    // The window goes only when the subject was all it held.
    const bool onlySubject = window.Body().empty() && window.Header().Recipients().Text().empty() &&
                             window.Header().Copies().Text().empty() && window.LateParts().Attachments().empty();
    if (onlySubject) {
      window.Clear();
      window.Close();
    }
  });
}

}  // namespace qrv
