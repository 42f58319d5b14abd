// What reaches the Information Item window's subject and body other than by
// typing: pastes and text files, cut to the fields' limits with the user told
// once; and the body's wrapping, turned off while it holds a line too long to
// wrap quickly.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/edits.h"
#include "ui/form.h"

namespace qrv {

// The longest body the window takes, in characters: longer text is cut off,
// and the user is told.
inline constexpr int kBodyLimit = 64 * 1024;

// Posted to the window after the edit that cut the text has finished: wParam 1
// for the subject, 0 the body. The window hands it to ShowTextCut.
inline constexpr UINT kTextCutMessage = WM_APP + 20;

class EntryTexts {
 public:
  EntryTexts(Form& form, RichEdit& subject, RichEdit& body);

  // The clipboard's text in place of the edit's selection, as much as fits in
  // the limit.
  bool PasteWithin(RichEdit& edit, int limit);
  // A text file's path as the subject and its text as the body.
  void TakeTextFile(const std::wstring& path);
  // Before text goes into the body.
  void UnwrapBodyFor(std::wstring_view text);
  // As the window is cleared.
  void WrapBody();
  // The user is told once the edit is done, however often it cut.
  void TellTextCut(bool subject);
  void ShowTextCut(bool subject);

 private:
  Form& form_;
  RichEdit& subject_;
  RichEdit& body_;
  bool cutToldLater_ = false;  // a message that text was cut is on its way
  bool bodyWraps_ = true;      // false while the body holds a line too long to wrap
};

}  // namespace qrv
