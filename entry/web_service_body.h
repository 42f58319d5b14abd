// What the Information Item window shows in place of the body for an internet
// entry: a read-only text on using web services and, once a service is chosen,
// that service's hint. The text is made when a layout first shows it: a new
// window is a task.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/keyword_matcher.h"
#include "core/service_hint.h"
#include "ui/edits.h"
#include "ui/form.h"

namespace qrv {

class WebServiceBody {
 public:
  // Made over the body, right after it in the Tab order.
  WebServiceBody(Form& form, const RichEdit& body, const KeywordMatcher& keywords);

  // The hint of the service chosen (an index into the services), when a record holds one.
  void ShowServiceHint(int service, const std::vector<std::string>& services);
  void ShowHint(const ServiceHintText& hint);
  void SetShown(bool shown);
  void Place(const Bounds& bounds);

 private:
  RichEdit& Made();
  void Render();

  Form& form_;
  const RichEdit& body_;
  const KeywordMatcher& keywords_;
  ServiceHintText hint_ = WebServiceHelpText();  // what the text shows
  std::optional<RichEdit> text_;
};

}  // namespace qrv
