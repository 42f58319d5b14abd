#include "entry/web_service_body.h"

#include "entry/placing.h"
#include "ui/wide.h"

namespace qrv {

WebServiceBody::WebServiceBody(Form& form, const RichEdit& body, const KeywordMatcher& keywords)
    : form_(form), body_(body), keywords_(keywords) {}

void WebServiceBody::ShowServiceHint(int service, const std::vector<std::string>& services) {
  if (service < 0 || service >= static_cast<int>(services.size())) return;
  if (const auto hint = ServiceHintFor(keywords_.Records(), services[static_cast<std::size_t>(service)]))
    ShowHint(*hint);
}

void WebServiceBody::ShowHint(const ServiceHintText& hint) {
  hint_ = hint;
  if (text_) Render();
}

void WebServiceBody::SetShown(bool shown) {
  if (shown) ShowIf(Made(), true);
  if (text_ && !shown) ShowIf(*text_, false);
}

void WebServiceBody::Place(const Bounds& bounds) {
  if (text_) qrv::Place(*text_, bounds);
}

RichEdit& WebServiceBody::Made() {
  if (text_) return *text_;
  text_.emplace(form_, EditArgs{.bounds = body_.DesignBounds(), .visible = false, .readOnly = true});
  SetWindowPos(text_->Handle(), body_.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Render();
  return *text_;
}

// The text goes in as plain text, whatever it holds; then the heading and the
// keyword are made bold.
void WebServiceBody::Render() {
  const ServiceHintText& hint = hint_;
  std::wstring text;
  LONG at = 0, headingEnd = 0, boldStart = -1, boldEnd = -1;
  const auto add = [&](const std::string& line) {
    const std::wstring wide = Widen(line);
    if (!text.empty()) {
      text += L"\r\n";
      ++at;  // the edit keeps a line break as one character
    }
    text += wide;
    at += static_cast<LONG>(wide.size());
  };
  if (!hint.heading.empty()) {
    add(hint.heading);
    headingEnd = at;
  }
  for (std::size_t i = 0; i < hint.lines.size(); ++i) {
    const LONG start = at + (text.empty() ? 0 : 1);
    add(hint.lines[i]);
    if (static_cast<int>(i) == hint.boldLine) {
      boldStart = start + static_cast<LONG>(Widen(hint.lines[i].substr(0, hint.boldFrom)).size());
      boldEnd = at;
    }
  }
  RichEdit& edit = *text_;
  edit.SetPlainText(text);
  edit.SetBold({0, -1}, false);
  if (headingEnd > 0) edit.SetBold({0, headingEnd}, true);
  if (boldStart >= 0) edit.SetBold({boldStart, boldEnd}, true);
  edit.Select(0, 0);
}

}  // namespace qrv
