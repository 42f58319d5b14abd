// The running stand-in Outlook: its store, and the files a test talks to it
// through, each named by an environment variable:
//   QRV_OUTLOOK_CONFIG  settings, read again whenever the file changes
//   QRV_OUTLOOK_SEED    a store file loaded when Outlook starts
//   QRV_OUTLOOK_LOG     the call log, one line appended per event
//   QRV_OUTLOOK_STORE   the store file, rewritten after every change
// The server inherits them from the program that starts it (the bar, a test).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <windows.h>

#include "store.h"

namespace standin {

// How Outlook answers "nothing" (no explorer, no item found).
enum class Nothing { kNullObject, kEmpty, kNull };

class Session {
 public:
  static Session& Current();

  // Outlook starts: a fresh store from the seed and the settings read.
  void Start();
  // Started and not quit since.
  bool Running() const { return started_ && !store_.quit; }
  Store& Data() { return store_; }

  // Reads the settings again when their file changed since the last look.
  void Refresh(bool force = false);
  // The message a member is told to fail with, or null.
  const std::string* Failure(std::string_view className, std::string_view member) const;
  bool Resolves(std::string_view name) const;
  // Resolves a recipient against the address book, the contacts: a name that
  // is one contact's full, first or last name becomes that contact's full
  // name; one that several contacts share is ambiguous and stays unresolved.
  // Other names resolve unless the settings name them.
  bool Resolve(Recipient& recipient) const;
  // How long Outlook takes to start, and how long a member takes to answer.
  DWORD StartDelayMs() const { return startDelayMs_; }
  DWORD SlowMs(std::string_view className, std::string_view member) const;
  Nothing NothingAnswer() const { return nothing_; }

  // One line of the call log: what happened, to which object, with what.
  void Log(std::string_view kind, std::string_view object, std::string_view member = {}, std::string_view args = {},
           std::string_view result = {});
  void Changed() { dirty_ = true; }
  // Writes the store file when something changed.
  void Flush();

  void ObjectBorn() { ++liveObjects_; }
  void ObjectGone();
  // Outlook is told to quit: every window closes and no call is answered.
  void Quit();
  // What the server does when the last object handed out has been released,
  // and when Outlook quits.
  void SetHandlers(void (*onIdle)(), void (*onQuit)()) {
    onIdle_ = onIdle;
    onQuit_ = onQuit;
  }
  int LiveObjects() const { return liveObjects_; }
  int NextSerial() { return ++serial_; }

 private:
  void ReadSettings();
  void ApplySetting(std::string_view key, std::string_view value);

  Store store_;
  std::wstring configPath_, logPath_, storePath_;
  WIN32_FILE_ATTRIBUTE_DATA configSeen_{};                     // the settings file as last read
  std::vector<std::pair<std::string, std::string>> failures_;  // target, message
  std::vector<std::pair<std::string, DWORD>> slowMembers_;     // target, milliseconds
  std::vector<std::string> unresolved_;
  Nothing nothing_ = Nothing::kNullObject;
  DWORD startDelayMs_ = 0;
  void (*onIdle_)() = nullptr;
  void (*onQuit_)() = nullptr;
  bool started_ = false;
  bool dirty_ = false;
  int liveObjects_ = 0;
  int serial_ = 0;
};

}  // namespace standin
