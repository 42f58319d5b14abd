#include "prefs/views_page.h"

#include <initializer_list>

#include "core/text.h"
#include "ui/wide.h"

namespace qrv {

ViewsPage::ViewsPage(Panel& page)
    : explanation_(page, {.bounds = {28, 30, 273, 40},
                          .text = L"When viewing lists of items in Microsoft Outlook, like the Task List, Note "
                                  L"List, Contact List, or Calendar:"}),
      viewTypes_(page, {.bounds = {66, 72, 196, 80},
                        .items = {L"View all lists in the same window", L"Open a new window for each list"}}),
      newViews_(page, {.bounds = {16, 104, 306, 73}, .text = L" When using new windows, use: "}),
      normalDisplay_(page,
                     {.bounds = {23, 125, 292, 17}, .text = L"the normal Outlook display mode", .groupStart = true}),
      withoutBar_(page,
                  {.bounds = {23, 149, 292, 17}, .text = L"without the Outlook Bar on the side (List w/Options)"}) {
  viewTypes_.onSelect = [this] { ShowNewViews(); };
}

void ViewsPage::Load(const PreferenceChoices& c) {
  viewTypes_.SetSelection(c.newWindowPerList ? 1 : 0);
  normalDisplay_.SetChecked(!c.withoutOutlookBar);
  withoutBar_.SetChecked(c.withoutOutlookBar);
  ShowNewViews();
}

void ViewsPage::Save(PreferenceChoices& c) const {
  c.newWindowPerList = viewTypes_.Selection() != 0;
  c.withoutOutlookBar = !normalDisplay_.Checked();
}

void ViewsPage::ShowNewViews() {
  const bool shown = viewTypes_.Selection() != 0;
  for (Control* control : std::initializer_list<Control*>{&newViews_, &normalDisplay_, &withoutBar_})
    control->SetVisible(shown);
}

}  // namespace qrv
