#include "outlook/outlook_names.h"

#include <exception>
#include <string_view>

namespace qrv {
namespace {

// A value inside a quoted filter value: every quotation mark written twice.
std::string Quoted(std::string_view value) {
  std::string out;
  for (const char c : value) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return "\"" + out + "\"";
}

OleObject FindContactIn(const OleObject& folder, const std::string& name) {
  if (folder.IsEmpty()) return {};
  const std::string value = Quoted(name);
  const std::string filters[] = {"[FullName] = " + value, "[FullName] = \"\" and [CompanyName] = " + value,
                                 "[LastName] = " + value, "[FirstName] = " + value};
  const OleObject items = folder.Get("Items").Object();
  for (const std::string& filter : filters) {
    if (OleObject found = items.Call("Find", filter).Object(); !found.IsEmpty()) return found;
  }
  return {};
}

OleObject SharedContactsFolder(const OutlookSession& outlook) {
  return outlook.NameSpace()
      .Call("Folders", 1)
      .Object()
      .Call("Folders", "Contacts")
      .Object()
      .Call("Folders", "Contacts-Shared")
      .Object();
}

}  // namespace

// Outlook resolves the names as recipients of a scratch e-mail that is never
// saved nor shown.
bool ResolveNames(const OutlookSession& outlook, std::vector<std::string>& names, std::vector<std::string>& failed) {
  if (names.empty()) return true;
  const OleObject list = outlook.CreateItem(OutlookItemKind::kMail).Get("Recipients").Object();
  bool all = true;
  for (std::string& name : names) {
    const OleObject recipient = list.Call("Add", name).Object();
    if (recipient.Call("Resolve").Bool()) {
      name = recipient.Get("Name").Text();
    } else {
      failed.push_back(name);
      all = false;
    }
  }
  return all;
}

OleObject FindContact(const OutlookSession& outlook, const std::string& name) {
  OleObject contact = FindContactIn(outlook.DefaultFolder(OutlookFolder::kContacts), name);
  if (!contact.IsEmpty()) return contact;
  OleObject shared;
  try {
    shared = SharedContactsFolder(outlook);
  } catch (const std::exception&) {
    // No shared contacts folder: the name is not found.
  }
  return FindContactIn(shared, name);
}

}  // namespace qrv
