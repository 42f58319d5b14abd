// The bar program: what it is made of and its run. Its parts outlive the
// forms (the bar and the hotkey editor), which go when the message loop ends.
#pragma once

#include <string>
#include <vector>

#include "bar/bar_data.h"
#include "components/email.h"
#include "components/simple_mapi.h"
#include "entry/actions/item_actions.h"
#include "outlook/outlook_session.h"

namespace qrv {

// What the program is made of besides its forms, and outlives them: its data,
// the Outlook session, Simple MAPI and e-mail, and the Information Item
// windows' actions.
struct ProgramParts {
  BarData data;
  OutlookSession outlook;
  SimpleMapi mapi;
  Email email{mapi};
  ItemActions entryActions{
      {data.settings, data.keywordList, data.webServiceCaptions, data.categoryNames, data.icons.noteFound},
      outlook,
      email};
};

class Program {
 public:
  // `args` are the command line's arguments after the program.
  explicit Program(std::vector<std::string> args);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Makes the bar and the hotkey editor, starts the bar and runs the message
  // loop until the program ends.
  void Run();

 private:
  std::vector<std::string> args_;
  ProgramParts parts_;
};

}  // namespace qrv
