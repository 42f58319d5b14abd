// Stands in for the web-service update and import until they join the bar.
#include "bar/web_service_update.h"

namespace qrv {

bool UpdateWebServices(Form&, std::vector<std::string>&, BarSettings&, bool) { return false; }

int ImportWebServiceFiles(Form&, const std::vector<std::wstring>&, std::vector<std::string>&) { return 0; }

}  // namespace qrv
