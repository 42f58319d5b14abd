// The bar's about box and preferences: it opens on its about face, and its
// Preferences button turns it into five pages loaded from the bar's settings
// (General, Buttons, Views, Info Item, Keywords). OK writes every setting and,
// when the keyword lists changed, the keyword file; Cancel drops everything.
// One window at a time, not modal; it frees itself when it closes and tells
// the bar, which reads its settings anew. Web-service files dropped on the
// open pages are imported into the working list of web services.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "prefs/buttons_page.h"
#include "prefs/general_page.h"
#include "prefs/info_item_page.h"
#include "prefs/keywords_page.h"
#include "prefs/preferences_host.h"
#include "prefs/views_page.h"
#include "ui/drawn_control.h"
#include "ui/form.h"
#include "ui/panels.h"
#include "ui/picture.h"

namespace qrv {

// Pages of the notebook.
enum class PreferencesTab : int { kGeneral = 0, kButtons = 1, kViews = 2, kInfoItem = 3, kKeywords = 4 };

class PreferencesWindow : public Form {
 public:
  PreferencesWindow(Form& bar, const PreferencesData& data, PreferencesActions& actions);

  // Opens the pages on `tab`, loaded anew from the settings and the keyword
  // list. A page's controls are made when it is first shown; the values of
  // pages never shown are kept as loaded and saved as they are.
  void OpenPages(PreferencesTab tab = PreferencesTab::kGeneral);
  bool PagesShown() const { return pagesShown_; }
  void ShowTab(PreferencesTab tab);
  // The pages on the Keywords tab with the web services shown.
  void ShowWebServices();
  // OK: saves when the pages show and closes; a failed save says so and keeps the window open.
  void Accept();
  // The update button: the web-service update on the working list.
  void RunUpdate(bool silent);
  // An update the bar started: on pages the user has open it changes only the
  // working list; otherwise it opens the pages, stores only what the update
  // changed and closes.
  void RunScheduledUpdate(bool silent);
  // Imports web-service files into the working list (the pages open first).
  int ImportFiles(const std::vector<std::wstring>& paths);

  // For the tests that drive the window; a page asked for is made.
  KeywordsPage& Keywords();
  TabControl& Tabs();
  Button& OkButton() { return okButton_; }
  Button& CancelButton() { return cancelButton_; }
  Button& PrefsButton() { return prefsButton_; }

  void PaintBackground(HDC dc, const RECT& area) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  void DpiChanged() override;

 private:
  void TakePictures();
  void MakePage(PreferencesTab tab);
  void LoadPages();
  void ServicesChanged();
  bool SaveSettings();
  bool SaveKeywords();
  void OnDropFiles(HDROP drop);
  void OnClose();
  std::optional<std::wstring> ChooseProgram();

  const PreferencesData& data_;
  PreferencesActions& actions_;
  bool pagesShown_ = false;
  bool closing_ = false;
  PreferenceChoices choices_;  // what the pages show, for pages not made too
  WorkingLists working_;

  Picture face_;
  std::array<Picture, 3> glyphs_;  // of the OK, Preferences and Cancel buttons
  PictureLabel homePage_;
  PictureLabel version_;
  PictureLabel note_;
  Button okButton_;
  Button prefsButton_;
  Button cancelButton_;
  Button helpButton_;
  // Made when the pages open; the pages' controls go before the tab control's panels.
  std::unique_ptr<TabControl> tabs_;
  std::unique_ptr<GeneralPage> general_;
  std::unique_ptr<ButtonsPage> buttons_;
  std::unique_ptr<ViewsPage> views_;
  std::unique_ptr<InfoItemPage> infoItem_;
  std::unique_ptr<KeywordsPage> keywords_;
};

}  // namespace qrv
