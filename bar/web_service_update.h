// The web-service update and the import of web-service files, working on the
// preferences window's working list of plain web-service records.
#pragma once

#include <string>
#include <vector>

#include "core/bar_settings.h"
#include "ui/form.h"

namespace qrv {

// Runs the web-service update against `services` (the preferences window's working list of plain
// web-service records): asks first unless `silent`, fetches the site list, merges, reports; updates the
// update fields of `settings` (UPDATECHECK, UPDATETIME, LASTUPDATE). True when `services` changed.
bool UpdateWebServices(Form& owner, std::vector<std::string>& services, BarSettings& settings, bool silent);
// Imports ".qrv" files into `services` and reports "Web services added: n"; answers n.
int ImportWebServiceFiles(Form& owner, const std::vector<std::wstring>& paths, std::vector<std::string>& services);

}  // namespace qrv
