// Buttons and static texts: push button, check box, radio button, group box
// and label. "&" in a text marks the mnemonic key.
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/dialogs.h"

namespace qrv {

struct ButtonArgs {
  Bounds bounds{};
  std::wstring text{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  bool isDefault = false;  // Enter clicks it; its control id is IDOK
  bool isCancel = false;   // Esc clicks it; its control id is IDCANCEL
  // A button with a result ends its modal form with it after onClick.
  DialogResult result = DialogResult::kNone;
  // False: a toolbar (speed) button: no tab stop, and a click or its mnemonic
  // clicks it with the focus left where it was.
  bool takesFocus = true;
  bool pictureOnly = false;  // SetPicture's picture shows instead of the text
};

class Button : public Control {
 public:
  Button(Container& parent, const ButtonArgs& args);
  // Clicks it as the user would (onClick and the dialog result).
  void Click();
  // Shows a picture before the text (the caller keeps it alive while it shows).
  void SetPicture(HBITMAP picture);
  std::function<void()> onClick;
  void HandleCommand(WORD code) override;
  bool TakesFocus() const override { return takesFocus_; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  DialogResult result_;
  bool takesFocus_;
  bool pressing_ = false;  // a toolbar button held down by the mouse
};

struct CheckArgs {
  Bounds bounds{};
  std::wstring text{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  bool groupStart = false;   // radio buttons: the first of a group
  bool pushLike = false;     // drawn as a button that stays down
  bool takesFocus = true;    // false: a toolbar button (see ButtonArgs)
  bool pictureOnly = false;  // SetPicture's picture shows instead of the text
};

// A check box; onChange follows every change the user makes.
class CheckBox : public Control {
 public:
  CheckBox(Container& parent, const CheckArgs& args);
  bool Checked() const;
  void SetChecked(bool checked, Notify notify = Notify::kNo);
  // Shows a picture (the caller keeps it alive while it shows).
  void SetPicture(HBITMAP picture);
  std::function<void()> onChange;
  void HandleCommand(WORD code) override;
  bool TakesFocus() const override { return takesFocus_; }

 protected:
  CheckBox(Container& parent, const CheckArgs& args, DWORD kindStyle);
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool takesFocus_;
  bool pressing_ = false;  // a toolbar button held down by the mouse
};

// A radio button: one of a group (from a groupStart to the next) is checked;
// the arrow keys move within the group. onChange fires on the one checked.
class RadioButton : public CheckBox {
 public:
  RadioButton(Container& parent, const CheckArgs& args);
};

struct StaticArgs {
  Bounds bounds{};
  std::wstring text{};
  Anchors anchors{};
  bool visible = true;
  bool enabled = true;
  bool centered = false;
  bool rightAligned = false;
  bool noPrefix = false;  // an "&" is shown, not taken for a mnemonic
};

// A frame with a caption around related controls.
class GroupBox : public Control {
 public:
  GroupBox(Container& parent, const StaticArgs& args);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

// A text; its mnemonic moves the focus to the control created after it.
class Label : public Control {
 public:
  Label(Container& parent, const StaticArgs& args);
};

}  // namespace qrv
