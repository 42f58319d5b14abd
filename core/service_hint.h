// What the Information Item window shows in place of the body for an internet
// entry: a few lines on using web services, and for the chosen service its
// hint, whether it takes search criteria, its keyword and its default
// criteria. The texts come from records the user may have downloaded or
// imported: they are only ever shown as plain text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/keyword_record.h"

namespace qrv {

struct ServiceHintText {
  std::string heading;             // shown in bold above the lines; may be empty
  std::vector<std::string> lines;  // one paragraph each
  int boldLine = -1;               // the line whose text after boldFrom is bold; -1: none
  std::size_t boldFrom = 0;        // in bytes of that line
};

// The text shown before a service is chosen.
ServiceHintText WebServiceHelpText();

// The text for the service of this caption: from the first record (of any
// kind) that holds "<CB=" caption "!>"; none when no record does.
std::optional<ServiceHintText> ServiceHintFor(const std::vector<KeywordRecord>& records, std::string_view caption);

}  // namespace qrv
