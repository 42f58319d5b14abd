// What an Information Item window of the scenes is made from: a bar's worth of
// data with a few keywords, categories, journal types, web services and the
// icons of an icon note, actions that do nothing and a day that never changes.
#pragma once

#include <string>
#include <vector>

#include "entry/open_entry.h"
#include "ui/image_list.h"

namespace qrv::gallery {

struct FixedDay : EntryClock {
  Date Today() const override { return {2003, 3, 3}; }
  TimeOfDay Now() const override { return {10, 15, 0}; }
};

class EntrySetting {
 public:
  EntrySetting();
  // Opens a new window, as the bar does, at the scene's DPI.
  EntryWindow& Open(UINT dpi);
  // Types into the subject as a paste would: the window parses what it got.
  static void TypeSubject(EntryWindow& window, const std::wstring& text);
  // Closes a window without its question about the text it holds.
  static void Close(EntryWindow& window);

  BarSettings settings;
  KeywordMatcher keywords;
  std::vector<std::string> services{"Google", "Wikipedia"},
      categories{"Business", "Holiday", "Personal", "Phone Calls"}, journalTypes{"Phone call", "Meeting"},
      iconDefinitions{"VIDODU3", "1 Birthday=FFFF", "2 Call=0F0F", "3 Trip=F0F0"};
  bool iconNoteFound = true;
  ImageList iconPictures{16, 16};
  EntryData data{settings,     keywords,      services,         categories,
                 journalTypes, iconNoteFound, &iconDefinitions, &iconPictures};
  FixedDay day;
};

}  // namespace qrv::gallery
