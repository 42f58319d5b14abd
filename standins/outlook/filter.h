// The conditions Items.Find and FindNext take: comparisons of a property with
// a value, [Subject] = "VIDODU3" or [FullName] <> "", joined by "and" and "or"
// ("and" binds first). Texts compare without regard to letter case.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "store.h"

namespace standin {

// A condition Outlook would refuse; the text is what it says.
class ConditionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Condition {
 public:
  // Throws ConditionError.
  explicit Condition(std::string_view text);
  bool Matches(const Item& item) const;

 private:
  struct Comparison {
    const PropertyInfo* property;
    bool equal;
    std::string value;
  };
  std::vector<std::vector<Comparison>> anyOf_;  // "or" of "and"s
};

}  // namespace standin
