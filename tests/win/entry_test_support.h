// A bar's worth of data for Information Item windows under test, a fixed
// clock, actions that count their calls, and typing through real key input.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "entry/open_entry.h"
#include "ui/app.h"
#include "ui_test_support.h"

namespace qrv::testing {

inline const Date kToday{2003, 3, 3};  // a Monday

struct FixedClock : EntryClock {
  Date Today() const override { return kToday; }
  TimeOfDay Now() const override { return {10, 15, 0}; }
};

struct CountingActions : EntryActions {
  bool saveFinishes = false;
  int saves = 0, opens = 0, checks = 0, finds = 0;
  std::wstring savedSubject;
  bool Save(EntryWindow& window) override {
    ++saves;
    savedSubject = window.Header().Subject().Text();
    return saveFinishes;
  }
  bool Open(EntryWindow&) override { return ++opens, true; }
  void CheckNames(EntryWindow&) override { ++checks; }
  void FindContact(EntryWindow&) override { ++finds; }
};

inline DialogResult promptAnswer = DialogResult::kCancel;
inline DialogResult AnswerPrompt(const std::wstring& text, MessageKind kind, MessageButtons) {
  prompts = {text, kind, prompts.count + 1};
  return promptAnswer;
}

// Types text as the keyboard would, one character at a time.
inline void TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    TypeCharacter(c);
    Pump(10);
  }
  Pump(60);
}

// The bar's data and the open windows, with a main form standing in for the bar.
class EntryFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    prompts = {};
    promptAnswer = DialogResult::kCancel;
    SetPromptHandler(AnswerPrompt);
    if (!Application::Get().MainForm()) Application::Get().CreateForm<Form>(FormArgs{.caption = L"bar"});
    settings_.hints = false;
  }
  void TearDown() override {
    for (EntryWindow* window : live_) Application::Get().Release(*window);
    Pump(50);
    SetPromptHandler(nullptr);
  }

  EntryOpening Opening() {
    return {.barTop = 100,
            .listWindow = [this](HWND) { return ++listed_; },
            .unlistWindow = [this](HWND w) { std::erase_if(live_, [w](EntryWindow* e) { return e->Handle() == w; }); },
            .clock = &clock_};
  }
  EntryWindow& OpenWindow() { return Opened(OpenEntryWindow(data_, actions_, Opening())); }
  EntryWindow& Opened(EntryWindow& window) {
    live_.push_back(&window);
    SetForegroundWindow(window.Handle());
    Pump(60);
    return window;
  }
  bool Open(const EntryWindow* window) const { return std::find(live_.begin(), live_.end(), window) != live_.end(); }

  BarSettings settings_;
  KeywordMatcher keywords_{ReadKeywordRecords({"K=1{CALL}1", "K=0{NOTE}2", "K=1{MEET*}3", "C=1{PHONE}|{Phone Calls}"})};
  std::vector<std::string> services_{"Google"}, categories_{"Business", "Personal"}, journalTypes_{"Phone call"};
  bool iconNoteFound_ = false;
  EntryData data_{settings_, keywords_, services_, categories_, journalTypes_, iconNoteFound_};
  CountingActions actions_;
  FixedClock clock_;
  std::vector<EntryWindow*> live_;
  int listed_ = 0;
};

}  // namespace qrv::testing
