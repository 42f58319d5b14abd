// What an Information Item window reads of the bar (owned by the bar for its
// whole life and only read here) and what it asks of it: saving, opening and
// sending the item, the name check, the contact lookup, the address book, help and
// the keyword lists. Until those are wired, the asks do nothing.
#pragma once

#include <string>
#include <vector>

#include "core/bar_settings.h"
#include "core/dates.h"
#include "core/keyword_matcher.h"
#include "ui/image_list.h"

namespace qrv {

class EntryWindow;

struct EntryData {
  const BarSettings& settings;
  const KeywordMatcher& keywords;
  const std::vector<std::string>& webServiceCaptions;
  const std::vector<std::string>& categoryNames;
  const std::vector<std::string>& journalTypes;
  const bool& iconNoteFound;  // the user's icon note was there at the last settings read
  // The icons of the user's icon note: its lines (line n is icon n) and
  // picture n - 1 for icon n. None: the icon chooser lists no icons.
  const std::vector<std::string>* iconDefinitions = nullptr;
  const ImageList* iconPictures = nullptr;
};

// Today and the time now, read each time the subject is parsed; tests give fixed ones.
struct EntryClock {
  virtual ~EntryClock() = default;
  virtual Date Today() const;
  virtual TimeOfDay Now() const;
};

// What the window asks of its owner. Each command answers whether it finished:
// a save that stopped (its own question, a cancelled dialog, an error) answers
// false and the window keeps its text. After a finished save or open the
// window clears and closes itself: an action never closes it.
class EntryActions {
 public:
  virtual ~EntryActions() = default;
  virtual bool Save(EntryWindow&) { return false; }  // save, or send a request or e-mail
  virtual bool Open(EntryWindow&) { return false; }  // open in Outlook, or run the web search
  virtual void CheckNames(EntryWindow&) {}
  virtual void FindContact(EntryWindow&) {}
  virtual void ChooseAddresses(EntryWindow&, int /*fields*/) {}  // 1: To; 2: To and Cc
  virtual void ShowHelp() {}
  virtual void EditKeywords() {}
  // Reads the mail system's categories into EntryData::categoryNames again.
  virtual void ReadCategories() {}
};

// The actions of a window nobody has wired yet.
EntryActions& NoEntryActions();
const EntryClock& SystemClock();

}  // namespace qrv
