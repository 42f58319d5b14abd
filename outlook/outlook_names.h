// Names looked up in Outlook: recipients resolved, and contacts found by name.
#pragma once

#include <string>
#include <vector>

#include "outlook/outlook_session.h"

namespace qrv {

// Resolves each name as Outlook does for a recipient, replacing it with the
// display name; the names that did not resolve are added to `failed`. Whether
// every one resolved. Nothing is asked of Outlook for no names.
bool ResolveNames(const OutlookSession& outlook, std::vector<std::string>& names, std::vector<std::string>& failed);

// The contact of a name in the contacts folder, or else in the shared contacts
// folder (when there is one): the first whose full name, company (without a
// full name), last name or first name is the name. Empty when none is. A
// search Outlook fails is an error, never a name not found.
OleObject FindContact(const OutlookSession& outlook, const std::string& name);

}  // namespace qrv
