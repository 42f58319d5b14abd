// The bar program: what it is made of and its run. Its data, the Outlook
// session, Simple MAPI and e-mail and the Information Item windows' actions
// outlive the forms (the bar and the hotkey editor), which go when the
// message loop ends.
#pragma once

#include <string>
#include <vector>

#include "bar/bar_data.h"
#include "components/email.h"
#include "components/simple_mapi.h"
#include "entry/actions/item_actions.h"
#include "outlook/outlook_session.h"

namespace qrv {

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
  BarData data_;
  OutlookSession outlook_;
  SimpleMapi mapi_;
  Email email_{mapi_};
  ItemActions entryActions_{
      {data_.settings, data_.keywordList, data_.webServiceCaptions, data_.categoryNames, data_.icons.noteFound},
      outlook_,
      email_};
};

}  // namespace qrv
