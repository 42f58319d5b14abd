// Printing the body of an Information Item on the default printer.
#pragma once

#include <string>

#include "ui/edits.h"
#include "ui/form.h"

namespace qrv {

// Prints the body's text under the title as the document's name. Without a
// printer the user is told so and nothing else happens. False when nothing
// was printed.
bool PrintBody(const std::wstring& title, const RichEdit& body);

}  // namespace qrv
