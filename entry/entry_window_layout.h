// The Information Item window laid out for its entry type: which rows,
// buttons and panels show and what the caption and process button say; the
// date and category panels shown and hidden, the window growing and shrinking
// with them; and the parts placed for the window's size.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/entry_layout.h"
#include "entry/entry_dates.h"
#include "entry/entry_footer.h"
#include "entry/entry_header.h"
#include "entry/entry_late_parts.h"
#include "entry/entry_type_buttons.h"
#include "entry/web_service_body.h"
#include "ui/edits.h"
#include "ui/form.h"

namespace qrv {

// The parts the layout shows, hides and places.
struct LaidOutParts {
  EntryHeader& header;
  RichEdit& body;
  WebServiceBody& webBody;
  EntryFooter& footer;
  EntryTypeButtons& typeButtons;
  EntryLateParts& lateParts;
  const EntryDates& dates;
};

class EntryWindowLayout {
 public:
  EntryWindowLayout(Form& form, const LaidOutParts& parts, const bool& iconNoteFound);

  // The layout the parts took last.
  const EntryLayout& Current() const { return layout_; }
  // "<type> - QRV", the window's caption while shown.
  const std::wstring& Caption() const { return caption_; }
  // Laid out again when the type, the recipients, the subject's lines or the
  // attachments changed, or the date panel would show or hide.
  void CheckCaption();
  // Places the panels and the parts for the client size now.
  void Arrange();
  void ShowCalendar();  // for the types with dates
  void HideCalendar();
  void ToggleCategoryPanel();
  // A wider or narrower subject may need one line more or less.
  void CheckSubjectLines(const std::wstring& subject);

  std::function<void()> onMarksMayChange;  // the subject's date phrases go with the item's date

 private:
  bool DatePanelMayChange(const EntryLayoutInput& input) const;
  void ApplyDateArea(const EntryLayout& layout);
  void ArrangeEntryArea(int width, int height);
  void GrowBy(int dx, int dy);
  void MarksMayChange();

  Form& form_;
  LaidOutParts parts_;
  const bool& iconNoteFound_;
  EntryLayout layout_;
  std::optional<EntryLayoutInput> laidOutFor_;
  bool laidOutWithAttachments_ = false;
  std::wstring caption_;
};

}  // namespace qrv
