// The Information Item window in each of its types, with its panels, a subject
// of two lines, attachments, the caption-bar menu and the icon chooser; and the
// categories dialog the bar asks with before a new item.
#include <array>
#include <filesystem>
#include <fstream>

#include "bar/categories_dialog.h"
#include "tests/gallery/entry_setting.h"
#include "tests/gallery/scene_groups.h"
#include "tests/gallery/scene_support.h"

namespace qrv::gallery {
namespace {

using enum EntryType;

struct TypeShown {
  EntryType type;
  const char* name;
  const char* title;
  const wchar_t* subject;
  const wchar_t* recipients;
};
constexpr std::array<TypeShown, 10> kTypesShown{{
    {kTask, "entry-task", "Information Item: task", L"Send the budget to Anna", nullptr},
    {kNote, "entry-note", "Information Item: note", L"Parking on level 3, row F", nullptr},
    {kAppointment, "entry-appointment", "Information Item: appointment", L"lunch with Bob tomorrow at noon", nullptr},
    {kContact, "entry-contact", "Information Item: contact", L"Anna Berg", nullptr},
    {kEmail, "entry-email", "Information Item: e-mail", L"Minutes of the meeting", L"anna@example.com"},
    {kJournal, "entry-journal", "Information Item: journal entry", L"Called the garage", nullptr},
    {kTextDocument, "entry-text-document", "Information Item: text document", L"shopping list", nullptr},
    {kInternet, "entry-internet", "Information Item: internet search", L"winter tyres", nullptr},
    {kTaskRequest, "entry-task-request", "Information Item: task request", L"Check the offer", L"Anna"},
    {kMeetingRequest, "entry-meeting-request", "Information Item: meeting request", L"Planning friday 3pm",
     L"Anna; Bob"},
}};

// Requests have no button of their own: a task or an appointment with a recipient is one.
EntryType ButtonOf(EntryType type) {
  if (type == kTaskRequest) return kTask;
  if (type == kMeetingRequest) return kAppointment;
  return type;
}

void PlayTypes(const Viewer& viewer, UINT dpi) {
  EntrySetting setting;
  for (const TypeShown& shown : kTypesShown) {
    EntryWindow& window = setting.Open(dpi);
    EntrySetting::TypeSubject(window, shown.subject);
    // Chosen by hand only where the subject does not say it (and for the requests, which a recipient
    // would make an e-mail otherwise).
    if (window.TypeButtons().Down() != ButtonOf(shown.type) || shown.recipients)
      window.ChooseType(ButtonOf(shown.type));
    if (shown.recipients) window.Header().Recipients().SetText(shown.recipients, Notify::kYes);
    Pump(60);
    Present(viewer, window.Handle(), shown.name, shown.title);
    EntrySetting::Close(window);
  }
}

void PlayPanels(const Viewer& viewer, UINT dpi) {
  EntrySetting setting;
  EntryWindow& timed = setting.Open(dpi);
  EntrySetting::TypeSubject(timed, L"Dentist friday 9am");
  if (!timed.Dates().PanelShown()) timed.AssignDate();
  Present(viewer, timed.Handle(), "entry-date-panel", "Information Item: the date panel");
  timed.ToggleCategoryPanel();
  Present(viewer, timed.Handle(), "entry-both-panels", "Information Item: the date and category panels");
  EntrySetting::Close(timed);

  EntryWindow& untimed = setting.Open(dpi);
  EntrySetting::TypeSubject(untimed, L"Order the new chairs");
  if (untimed.Dates().PanelShown()) untimed.AssignDate();
  untimed.ToggleCategoryPanel();
  Present(viewer, untimed.Handle(), "entry-category-panel", "Information Item: the category panel");
  EntrySetting::Close(untimed);
}

void PlaySubjectAndAttachments(const Viewer& viewer, UINT dpi) {
  EntrySetting setting;
  EntryWindow& window = setting.Open(dpi);
  EntrySetting::TypeSubject(window, L"Ask the landlord about the heating in the back room and the broken window");
  Present(viewer, window.Handle(), "entry-two-line-subject", "Information Item: a subject of two lines");
  EntrySetting::Close(window);

  const auto folder = std::filesystem::temp_directory_path() / ("qrv-gallery-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  EntryWindow& attached = setting.Open(dpi);
  EntrySetting::TypeSubject(attached, L"Offer for the new roof");
  attached.ChooseType(kEmail);
  for (const wchar_t* name : {L"offer.txt", L"roof plan.bmp", L"notes.doc"}) {
    std::ofstream(folder / name) << "x";
    attached.AddAttachment((folder / name).wstring());
  }
  Pump(60);
  Present(viewer, attached.Handle(), "entry-attachments", "Information Item: attachments");
  EntrySetting::Close(attached);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

void PlayMenuAndChooser(const Viewer& viewer, UINT dpi) {
  EntrySetting setting;
  EntryWindow& window = setting.Open(dpi);
  EntrySetting::TypeSubject(window, L"Birthday party saturday");
  window.ChooseType(kAppointment);
  Pump(60);
  const RECT frame = window.WindowRect(), button = window.CaptionButton().Rect();
  LookAtNextMenu(viewer, "entry-caption-menu", "Information Item: the caption-bar menu");
  window.CaptionButton().Menu().Popup(window, frame.left + button.left, frame.top + button.bottom);
  Pump(50);
  LookAtNextModal(viewer, Captioned(L"Select Icon"), "entry-icon-chooser", "Information Item: the icon chooser", dpi);
  window.ChooseIcon();
  Pump(50);
  EntrySetting::Close(window);
}

void PlayCategoriesDialog(const Viewer& viewer, UINT dpi) {
  CategoriesDialog dialog;
  Scale(dialog, dpi);
  dialog.SetCaption(L"New Task");
  dialog.SetEntries({L"Business", L"Holiday", L"Ideas", L"Personal", L"Phone Calls", L"Strategies", L"Suppliers",
                     L"Time & Expenses", L"Travel", L"Waiting"});
  const RECT r = dialog.WindowRect();
  dialog.SetWindowRect(40, 150, r.right - r.left, r.bottom - r.top);
  dialog.Show();
  dialog.List().SetSelected(0, true);
  dialog.List().SetSelected(4, true);
  Present(viewer, dialog.Handle(), "categories-dialog", "Categories dialog");
}

}  // namespace

std::vector<Scene> EntryScenes() {
  return {{"Information Item", PlayTypes},
          {"Information Item", PlayPanels},
          {"Information Item", PlaySubjectAndAttachments},
          {"Information Item", PlayMenuAndChooser},
          {"Information Item", PlayCategoriesDialog}};
}

}  // namespace qrv::gallery
