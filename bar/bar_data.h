// What the bar knows while it runs: its settings, the keyword list, the web
// services' captions, Outlook's category names and journal types, and the
// icons of the user's icon note. Owned by the program for the bar's life and
// given by reference to the windows and units that read or change it.
#pragma once

#include <string>
#include <vector>

#include "core/bar_settings.h"
#include "core/keyword_matcher.h"
#include "ui/image_list.h"

namespace qrv {

// The icons of the user's icon note: its lines (line 0 the heading) and one
// picture per icon line.
struct IconSet {
  std::vector<std::string> definitions;
  bool noteFound = false;    // the note was there at the last settings read
  ImageList images{16, 16};  // picture n - 1 is icon n

  // The picture data of a line; empty for a line that is not there.
  std::string DataAt(int line) const;
  void Clear();
};

struct BarData {
  BarSettings settings;
  std::vector<std::string> keywordList;
  KeywordMatcher keywords;  // the keyword list read for the quick entry
  std::vector<std::string> webServiceCaptions;
  std::vector<std::string> categoryNames;
  std::vector<std::string> journalTypes;
  IconSet icons;
  bool silentUpdate = false;  // an update of the web services runs without asking
};

}  // namespace qrv
