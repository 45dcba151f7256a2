// "tvremote dialog": reading the action words, what a click does to each kind of button, and
// which entry a select by text picks.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../../../tools/remote/dialog_actions.h"

namespace tv::remote {
namespace {

using V = DialogVerb;

DialogAction Parse(const std::vector<std::string>& words) {
  return ParseDialogAction(words);
}

int UsageExit(const std::vector<std::string>& words) {
  try {
    Parse(words);
  } catch (const Failure& f) {
    return f.exitCode;
  }
  return kExitOk;
}

TEST(DialogActionWords, EachVerbTakesItsOperands) {
  struct Case {
    std::vector<std::string> words;
    DialogVerb verb;
    int control;
    std::string text;
    long long number;
  };
  const Case cases[] = {
      {{"click", "1029"}, V::Click, 1029, "", 0},
      {{"check", "0x3f2"}, V::Check, 1010, "", 0},
      {{"uncheck", "1080"}, V::Uncheck, 1080, "", 0},
      {{"select", "1113", "720x576"}, V::Select, 1113, "720x576", 0},
      {{"select", "1037", ""}, V::Select, 1037, "", 0},
      {{"select-index", "1112", "2"}, V::SelectIndex, 1112, "", 2},
      {{"set-text", "1116", "C:\\a b\\TimeShift.mpg"},
       V::SetText,
       1116,
       "C:\\a b\\TimeShift.mpg",
       0},
      {{"slide", "1093", "-128"}, V::Slide, 1093, "", -128},
      {{"slide", "1126", "1000"}, V::Slide, 1126, "", 1000},
      {{"get", "65535"}, V::Get, 65535, "", 0},
      {{"items", "1045"}, V::Items, 1045, "", 0},
      {{"state", "0"}, V::State, 0, "", 0},
      {{"tab", "4"}, V::Tab, 0, "", 4},
      {{"page"}, V::Page, 0, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.words[0]);
    const DialogAction a = Parse(c.words);
    EXPECT_EQ(a.verb, c.verb);
    EXPECT_EQ(a.control, c.control);
    EXPECT_EQ(a.text, c.text);
    EXPECT_EQ(a.number, c.number);
  }
}

TEST(DialogActionWords, WrongWordsAreUsageErrors) {
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"press", "1"},
      {"CLICK", "1"},       // action words are exact
      {"click"},            // missing id
      {"click", "1", "2"},  // one too many
      {"click", "65536"},   // ids are 16-bit
      {"click", "-1"},
      {"click", "abc"},
      {"select", "1037"},  // missing text
      {"select-index", "1037", "-1"},
      {"slide", "1126"},
      {"slide", "1126", "4294967296"},
      {"slide", "1126", "1.5"},
      {"tab", "-1"},
      {"tab", "256"},
      {"page", "1"},
  };
  for (const auto& words : wrong)
    EXPECT_EQ(UsageExit(words), kExitUsage) << (words.empty() ? "(none)" : words[0]);
}

TEST(DialogButtons, ClickCheckAndUncheckDoWhatAUsersClickWould) {
  using B = ButtonKind;
  struct Case {
    DialogVerb verb;
    unsigned style;
    int check;
    std::optional<int> newCheck;
    bool clearGroup;
    bool notify;
    bool refused;
  };
  const Case cases[] = {
      // Push buttons: only the notification.
      {V::Click, 0x0, 0, std::nullopt, false, true, false},
      {V::Click, 0x1 | 0x50010000, 0, std::nullopt, false, true, false},  // default, other bits
      {V::Check, 0x0, 0, std::nullopt, false, false, true},
      // Automatic check box: a click toggles; check and uncheck only when it differs.
      {V::Click, 0x3, 0, 1, false, true, false},
      {V::Click, 0x3, 1, 0, false, true, false},
      {V::Check, 0x3, 0, 1, false, true, false},
      {V::Check, 0x3, 1, std::nullopt, false, false, false},
      {V::Uncheck, 0x3, 1, 0, false, true, false},
      {V::Uncheck, 0x3, 0, std::nullopt, false, false, false},
      // Three states cycle unchecked, checked, indeterminate.
      {V::Click, 0x6, 1, 2, false, true, false},
      {V::Click, 0x6, 2, 0, false, true, false},
      {V::Check, 0x6, 2, 1, false, true, false},
      {V::Uncheck, 0x6, 2, 0, false, true, false},
      // Automatic radio button: checked, its group cleared; never unchecked directly.
      {V::Click, 0x9, 0, 1, true, true, false},
      {V::Click, 0x9, 1, 1, true, true, false},
      {V::Check, 0x9, 1, std::nullopt, false, false, false},
      {V::Uncheck, 0x9, 1, std::nullopt, false, false, true},
      // Buttons the dialog checks itself: the notification alone.
      {V::Check, 0x2, 0, std::nullopt, false, true, false},
      {V::Check, 0x4, 0, std::nullopt, false, true, false},
      {V::Uncheck, 0x4, 1, std::nullopt, false, false, true},
      // A group box is no button to press.
      {V::Click, 0x7, 0, std::nullopt, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << static_cast<int>(c.verb) << " style " << c.style << " check " << c.check);
    const ButtonPlan plan = PlanButton(c.verb, ButtonKindOf(c.style), c.check);
    EXPECT_EQ(plan.newCheck, c.newCheck);
    EXPECT_EQ(plan.clearGroup, c.clearGroup);
    EXPECT_EQ(plan.notify, c.notify);
    EXPECT_EQ(!plan.refusal.empty(), c.refused) << plan.refusal;
  }
  EXPECT_EQ(ButtonKindOf(0xB), B::Other);  // owner-drawn
}

TEST(DialogEntries, SelectByTextIsExactBeforeCaselessAndNeverAPrefix) {
  const std::vector<std::string> entries = {"10", "1", "YUY2 (Overlay Mode)", "2 x 2", "yuy2"};
  EXPECT_EQ(FindEntry(entries, "1"), 1);
  EXPECT_EQ(FindEntry(entries, "10"), 0);
  EXPECT_EQ(FindEntry(entries, "yuy2 (overlay mode)"), 2);
  EXPECT_EQ(FindEntry(entries, "YUY2"), 4);  // caseless only when nothing matches exactly
  EXPECT_EQ(FindEntry(entries, "yuy2"), 4);
  EXPECT_EQ(FindEntry(entries, "2 x"), std::nullopt);
  EXPECT_EQ(FindEntry(entries, ""), std::nullopt);
  EXPECT_EQ(FindEntry({"", "a"}, ""), 0);
  EXPECT_STREQ(CheckWord(0), "unchecked");
  EXPECT_STREQ(CheckWord(1), "checked");
  EXPECT_STREQ(CheckWord(2), "indeterminate");
}

}  // namespace
}  // namespace tv::remote
