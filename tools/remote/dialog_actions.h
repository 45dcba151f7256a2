#pragma once
// "tvremote dialog": what an action word asks for, which controls it fits, and what a user's
// click would do to a button, so that the remote sets the control the way the user would have
// and then tells the dialog with the notification the control itself would have sent. No OS
// headers: the native tests use it too.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"

namespace tv::remote {

enum class DialogVerb {
  Click,
  Check,
  Uncheck,
  Select,
  SelectIndex,
  SetText,
  Slide,
  Get,
  Items,
  State,
  Tab,
  Page
};

struct DialogAction {
  DialogVerb verb;
  int control = 0;       // every verb but Tab and Page
  std::string text;      // Select, SetText
  long long number = 0;  // SelectIndex, Slide, Tab
};

namespace detail {
struct VerbForm {
  const char* word;
  DialogVerb verb;
  enum Operand { None, Control, ControlText, ControlNumber, Number } operand;
  const char* usage;
};
inline constexpr VerbForm kVerbForms[] = {
    {"click", DialogVerb::Click, VerbForm::Control, "click ID"},
    {"check", DialogVerb::Check, VerbForm::Control, "check ID"},
    {"uncheck", DialogVerb::Uncheck, VerbForm::Control, "uncheck ID"},
    {"select", DialogVerb::Select, VerbForm::ControlText, "select ID TEXT"},
    {"select-index", DialogVerb::SelectIndex, VerbForm::ControlNumber, "select-index ID N"},
    {"set-text", DialogVerb::SetText, VerbForm::ControlText, "set-text ID TEXT"},
    {"slide", DialogVerb::Slide, VerbForm::ControlNumber, "slide ID POSITION"},
    {"get", DialogVerb::Get, VerbForm::Control, "get ID"},
    {"items", DialogVerb::Items, VerbForm::Control, "items ID"},
    {"state", DialogVerb::State, VerbForm::Control, "state ID"},
    {"tab", DialogVerb::Tab, VerbForm::Number, "tab N"},
    {"page", DialogVerb::Page, VerbForm::None, "page"},
};
}  // namespace detail

// The words after the dialog's title: an action word and its operands. Control ids are
// 0..65535; numbers are 32-bit and may be negative (a slider may run below zero).
inline DialogAction ParseDialogAction(std::span<const std::string> words) {
  using detail::VerbForm;
  if (words.empty()) UsageError("usage: tvremote dialog TITLE ACTION ... (see tvremote --help)");
  for (const VerbForm& form : detail::kVerbForms) {
    if (words[0] != form.word) continue;
    const std::size_t operands =
        form.operand == VerbForm::None                                          ? 0
        : form.operand == VerbForm::Control || form.operand == VerbForm::Number ? 1
                                                                                : 2;
    if (words.size() != operands + 1)
      UsageError(std::string("usage: tvremote dialog TITLE ") + form.usage);
    DialogAction action{form.verb, 0, "", 0};
    const auto number = [&](const std::string& word, long long min, long long max,
                            const char* what) {
      const std::optional<long long> value = ParseInteger(word);
      if (!value || *value < min || *value > max)
        UsageError(std::string(what) + " must be an integer from " + std::to_string(min) + " to " +
                   std::to_string(max) + ", not \"" + word + "\"");
      return *value;
    };
    if (form.operand == VerbForm::Number) {
      action.number = number(words[1], 0, 255, "N");
      return action;
    }
    if (operands > 0) action.control = static_cast<int>(number(words[1], 0, 65535, "ID"));
    if (form.operand == VerbForm::ControlText) action.text = words[2];
    if (form.operand == VerbForm::ControlNumber)
      action.number = number(words[2], form.verb == DialogVerb::Slide ? INT32_MIN : 0, INT32_MAX,
                             form.verb == DialogVerb::Slide ? "POSITION" : "N");
    return action;
  }
  UsageError("unknown dialog action \"" + words[0] + "\" (see tvremote --help)");
}

// Window classes the actions know, by their system names.
enum class ControlClass { Button, Edit, ComboBox, ListBox, Slider, Static, Other };

inline ControlClass ClassifyControl(std::string_view className) {
  constexpr std::pair<const char*, ControlClass> kClasses[] = {
      {"Button", ControlClass::Button},
      {"Edit", ControlClass::Edit},
      {"ComboBox", ControlClass::ComboBox},
      {"ListBox", ControlClass::ListBox},
      {"msctls_trackbar32", ControlClass::Slider},
      {"Static", ControlClass::Static}};
  for (const auto& [name, cls] : kClasses)
    if (SameName(className, name)) return cls;
  return ControlClass::Other;
}

// Why the action cannot work on such a control; empty when it can. Get and State fit all.
inline std::string VerbMismatch(DialogVerb verb, ControlClass cls) {
  switch (verb) {
    case DialogVerb::Click:
    case DialogVerb::Check:
    case DialogVerb::Uncheck:
      return cls == ControlClass::Button ? "" : "is not a button";
    case DialogVerb::Select:
    case DialogVerb::SelectIndex:
    case DialogVerb::Items:
      return cls == ControlClass::ListBox || cls == ControlClass::ComboBox
                 ? ""
                 : "is neither a list box nor a combo box";
    case DialogVerb::SetText:
      return cls == ControlClass::Edit || cls == ControlClass::ComboBox ? "" : "is not an edit";
    case DialogVerb::Slide:
      return cls == ControlClass::Slider ? "" : "is not a slider";
    default:
      return "";
  }
}

// The button styles (the low four bits) that behave differently under a click.
enum class ButtonKind {
  Push,
  CheckBox,
  AutoCheckBox,
  ThreeState,
  AutoThreeState,
  Radio,
  AutoRadio,
  GroupBox,
  Other
};

inline ButtonKind ButtonKindOf(unsigned style) {
  switch (style & 0xFu) {
    case 0x0:  // BS_PUSHBUTTON
    case 0x1:  // BS_DEFPUSHBUTTON
      return ButtonKind::Push;
    case 0x2:
      return ButtonKind::CheckBox;
    case 0x3:
      return ButtonKind::AutoCheckBox;
    case 0x4:
      return ButtonKind::Radio;
    case 0x5:
      return ButtonKind::ThreeState;
    case 0x6:
      return ButtonKind::AutoThreeState;
    case 0x7:
      return ButtonKind::GroupBox;
    case 0x9:
      return ButtonKind::AutoRadio;
    default:
      return ButtonKind::Other;
  }
}

// What the remote does to a button for click, check or uncheck: the check state to set (if
// any), whether the other automatic radio buttons of the group are cleared, and whether
// BN_CLICKED goes to the dialog. A user checks a box that is already checked by doing
// nothing; a radio button is unchecked only by choosing another one.
struct ButtonPlan {
  std::optional<int> newCheck;
  bool clearGroup = false;
  bool notify = false;
  std::string refusal;  // not empty: the action cannot be done
};

inline ButtonPlan PlanButton(DialogVerb verb, ButtonKind kind, int check) {
  const bool checkable =
      kind != ButtonKind::Push && kind != ButtonKind::GroupBox && kind != ButtonKind::Other;
  if (kind == ButtonKind::GroupBox) return {std::nullopt, false, false, "is a group box"};
  if (verb != DialogVerb::Click) {
    if (!checkable)
      return {std::nullopt, false, false, "is neither a check box nor a radio button"};
    const bool radio = kind == ButtonKind::Radio || kind == ButtonKind::AutoRadio;
    if (verb == DialogVerb::Uncheck && radio)
      return {std::nullopt, false, false, "is a radio button: check another one of its group"};
    if (check == (verb == DialogVerb::Check ? 1 : 0)) return {};  // already so
    // A three-state box may need two clicks; it gets the state asked for with one notification.
    if (kind == ButtonKind::AutoCheckBox || kind == ButtonKind::AutoThreeState)
      return {verb == DialogVerb::Check ? 1 : 0, false, true, ""};
  }
  switch (kind) {
    case ButtonKind::AutoCheckBox:
      return {check == 1 ? 0 : 1, false, true, ""};
    case ButtonKind::AutoThreeState:
      return {(check + 1) % 3, false, true, ""};
    case ButtonKind::AutoRadio:
      return {1, true, true, ""};
    default:
      return {std::nullopt, false, true, ""};  // the dialog sets the state itself
  }
}

// The entry a select by text means: the first entry equal to the text, else the first equal
// to it without regard to case. Never a prefix match ("1" does not pick "10").
inline std::optional<int> FindEntry(const std::vector<std::string>& entries,
                                    std::string_view text) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i] == text) return static_cast<int>(i);
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (SameName(entries[i], text)) return static_cast<int>(i);
  return std::nullopt;
}

inline const char* CheckWord(int check) {
  return check == 1 ? "checked" : check == 2 ? "indeterminate" : "unchecked";
}

}  // namespace tv::remote
