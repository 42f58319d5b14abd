#include "tests/gallery/entry_setting.h"

#include <richedit.h>

#include "tests/gallery/scene_support.h"
#include "ui/app.h"

namespace qrv::gallery {
EntrySetting::EntrySetting()
    : keywords(ReadKeywordRecords({"K=1{CALL}1", "K=0{NOTE}2", "K=1{MEET*}3", "C=1{PHONE}|{Phone Calls}"})) {
  if (!Application::Get().MainForm()) Application::Get().CreateForm<Form>(FormArgs{.caption = L"bar"});
  settings.hints = false;  // no tooltip stands over a picture
  AddIconPictures(iconPictures, 3);
}

EntryWindow& EntrySetting::Open(UINT dpi) {
  EntryWindow& window = OpenEntryWindow(data, NoEntryActions(), {.barTop = 100, .clock = &day});
  Scale(window, dpi);
  Pump(60);
  return window;
}

void EntrySetting::TypeSubject(EntryWindow& window, const std::wstring& text) {
  const HWND subject = FindWindowExW(window.Handle(), nullptr, RICHEDIT_CLASSW, nullptr);
  SetFocus(subject);
  SendMessageW(subject, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  Pump(120);
}

void EntrySetting::Close(EntryWindow& window) {
  Application::Get().Release(window);
  Pump(30);
}

}  // namespace qrv::gallery
