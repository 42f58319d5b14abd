// The web-service update from the site list and the import of web-service
// files (".qrv"), both acting on the preferences window's working list of plain
// web-service records; the list reaches the keyword file only when the window
// saves it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "components/internet_peers.h"
#include "core/bar_settings.h"
#include "prefs/preferences_host.h"
#include "ui/form.h"

namespace qrv {

// Runs the web-service update against `services` (the preferences window's working list of plain
// web-service records): asks first unless `silent`, fetches the site list, merges, reports; updates the
// update fields of `settings` (UPDATECHECK, UPDATETIME, LASTUPDATE). True when `services` changed.
// `showBusy(true)` comes when the transfer starts, `showBusy(false)` once its reports are answered.
bool UpdateWebServices(Form& owner, std::vector<std::string>& services, BarSettings& settings, bool silent,
                       const BusyShown& showBusy = {});

// Imports ".qrv" files into `services` and reports "Web services added: n", with
// a line for each file that could not be read or held services that were not
// taken; answers n.
int ImportWebServiceFiles(Form& owner, const std::vector<std::wstring>& paths, std::vector<std::string>& services);

// Where the site list is fetched from; tests give peers of their own.
void SetSiteListPeers(const SiteListPeers& peers);

// Tests that run the program itself give it site-list servers on this machine:
// QRV_SITE_LIST_PORTS ("8001,8002,8003") puts the three hosts on 127.0.0.1 at
// those ports, their paths kept. Anything else in it changes nothing.
void UseSiteListPortsFromEnvironment();

}  // namespace qrv
