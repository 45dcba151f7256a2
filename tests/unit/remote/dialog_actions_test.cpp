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

int UsageExit(const std::vector<std::string>& words) {
  try {
    ParseDialogAction(words);
  } catch (const Failure& f) {
    return f.exitCode;
  }
  return kExitOk;
}

TEST(DialogActionWords, EachVerbTakesItsOperands) {
  // clang-format off
  const struct {
    std::vector<std::string> words; V verb; int control; std::string text; long long number;
  } cases[] = {
      {{"click", "1029"}, V::Click, 1029, "", 0},     {{"check", "0x3f2"}, V::Check, 1010, "", 0},
      {{"uncheck", "1080"}, V::Uncheck, 1080, "", 0}, {{"get", "65535"}, V::Get, 65535, "", 0},
      {{"select", "1037", ""}, V::Select, 1037, "", 0}, {{"items", "1045"}, V::Items, 1045, "", 0},
      {{"select", "1113", "720x576"}, V::Select, 1113, "720x576", 0},
      {{"select-index", "1112", "2"}, V::SelectIndex, 1112, "", 2},
      {{"set-text", "1116", "C:\\a b\\T.mpg"}, V::SetText, 1116, "C:\\a b\\T.mpg", 0},
      {{"slide", "1093", "-128"}, V::Slide, 1093, "", -128}, {{"state", "0"}, V::State, 0, "", 0},
      {{"slide", "1126", "1000"}, V::Slide, 1126, "", 1000}, {{"tab", "4"}, V::Tab, 0, "", 4},
      {{"page"}, V::Page, 0, "", 0}};
  // clang-format on
  for (const auto& c : cases) {
    const DialogAction a = ParseDialogAction(c.words);
    EXPECT_TRUE(a.verb == c.verb && a.control == c.control && a.text == c.text &&
                a.number == c.number)
        << c.words[0] << " " << a.control << " " << a.text << " " << a.number;
  }
}

TEST(DialogActionWords, WrongWordsAreUsageErrors) {
  // Action words are exact, ids 16-bit, and every verb takes just its operands.
  // clang-format off
  const std::vector<std::vector<std::string>> wrong = {
      {}, {"press", "1"}, {"CLICK", "1"}, {"click"}, {"click", "1", "2"}, {"click", "65536"},
      {"click", "-1"}, {"click", "abc"}, {"select", "1037"}, {"select-index", "1037", "-1"},
      {"slide", "1126"}, {"slide", "1126", "4294967296"}, {"slide", "1126", "1.5"},
      {"tab", "-1"}, {"tab", "256"}, {"page", "1"}};
  // clang-format on
  for (const auto& words : wrong)
    EXPECT_EQ(UsageExit(words), kExitUsage) << (words.empty() ? "(none)" : words[0]);
}

TEST(DialogButtons, ClickCheckAndUncheckDoWhatAUsersClickWould) {
  // The plan as the new check state ("-": unchanged), then G: its group cleared, N: the dialog
  // notified, R: refused.
  // clang-format off
  const struct { DialogVerb verb; unsigned style; int check; const char* plan; } cases[] = {
      // Push buttons: only the notification.
      {V::Click, 0x0, 0, "-N"}, {V::Click, 0x1 | 0x50010000, 0, "-N"}, {V::Check, 0x0, 0, "-R"},
      // Automatic check box: a click toggles; check and uncheck only when it differs.
      {V::Click, 0x3, 0, "1N"}, {V::Click, 0x3, 1, "0N"}, {V::Check, 0x3, 0, "1N"},
      {V::Check, 0x3, 1, "-"}, {V::Uncheck, 0x3, 1, "0N"}, {V::Uncheck, 0x3, 0, "-"},
      // Three states cycle unchecked, checked, indeterminate.
      {V::Click, 0x6, 1, "2N"}, {V::Click, 0x6, 2, "0N"}, {V::Check, 0x6, 2, "1N"},
      {V::Uncheck, 0x6, 2, "0N"},
      // Automatic radio button: checked, its group cleared; never unchecked directly.
      {V::Click, 0x9, 0, "1GN"}, {V::Click, 0x9, 1, "1GN"}, {V::Check, 0x9, 1, "-"},
      {V::Uncheck, 0x9, 1, "-R"},
      // Buttons the dialog checks itself: the notification alone.
      {V::Check, 0x2, 0, "-N"}, {V::Check, 0x4, 0, "-N"}, {V::Uncheck, 0x4, 1, "-R"},
      // A group box is no button to press.
      {V::Click, 0x7, 0, "-R"}};
  // clang-format on
  for (const auto& c : cases) {
    const ButtonPlan p = PlanButton(c.verb, ButtonKindOf(c.style), c.check);
    const std::string got = (p.newCheck ? std::to_string(*p.newCheck) : "-") +
                            (p.clearGroup ? "G" : "") + (p.notify ? "N" : "") +
                            (p.refusal.empty() ? "" : "R");
    EXPECT_EQ(got, c.plan) << static_cast<int>(c.verb) << " style " << c.style << " check "
                           << c.check << " " << p.refusal;
  }
  EXPECT_EQ(ButtonKindOf(0xB), ButtonKind::Other);  // owner-drawn
}

TEST(DialogEntries, SelectByTextIsExactBeforeCaselessAndNeverAPrefix) {
  const std::vector<std::string> entries = {"10", "1", "YUY2 (Overlay Mode)", "2 x 2", "yuy2"};
  std::vector<std::optional<int>> found;
  // Caseless only when nothing matches exactly: "YUY2" finds "yuy2".
  for (const char* text : {"1", "10", "yuy2 (overlay mode)", "YUY2", "yuy2", "2 x", ""})
    found.push_back(FindEntry(entries, text));
  found.push_back(FindEntry({"", "a"}, ""));
  EXPECT_EQ(found, (std::vector<std::optional<int>>{1, 0, 2, 4, 4, std::nullopt, std::nullopt, 0}));
  EXPECT_EQ(std::string(CheckWord(0)) + CheckWord(1) + CheckWord(2),
            "uncheckedcheckedindeterminate");
}

}  // namespace
}  // namespace tv::remote
