// The real dialog controls against the fake the page tests use (same operations, same answers),
// the one dialog procedure handing every message kind on, and the sheet's template callback.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/fake_dialogs.h"
#include "settings/settings_sheet.h"
#include "win32/platform/win32_dialog.h"

namespace tv {
namespace {

constexpr int kList = 10, kCombo = 11, kSlider = 12, kBox1 = 13, kBox2 = 14;

// Words joined by spaces (string concatenation trips a false warning of this compiler).
template <typename... Parts>
std::string Join(const Parts&... parts) {
  std::ostringstream out;
  ((out << parts << ' '), ...);
  std::string text = out.str();
  text.pop_back();
  return text;
}

// Records every call the procedure makes, and keeps the controls it was given.
struct Recorder : DialogHandler {
  void OnInit(DialogControls& dialog) override {
    controls = &dialog;
    calls.push_back("init");
  }
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override {
    if (&dialog == controls) calls.push_back(Join("command", control, notification, lParam));
  }
  void OnScroll(DialogControls&, int control, int code) override {
    calls.push_back(Join("scroll", control, code));
  }
  void OnNotify(DialogControls&, int control, int code) override {
    calls.push_back(Join("notify", control, code));
  }
  void OnDestroy(DialogControls&) override { calls.push_back("destroy"); }
  DialogControls* controls = nullptr;
  std::vector<std::string> calls;
};

HWND CreateTestDialog(Recorder& recorder) {  // template 200 of the test's resources
  INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
  InitCommonControlsEx(&init);
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(200), nullptr,
                            win32::DialogProcedure, reinterpret_cast<LPARAM>(&recorder));
}

// The same operations, and what each answers.
std::vector<std::string> Exercise(DialogControls& d) {
  std::vector<std::string> seen;
  auto note = [&seen](const std::string& what, long long value) {
    seen.push_back(Join(what, value));
  };
  auto items = [&d](int control) {
    std::string all;
    for (int i = 0; i < d.ItemCount(control); ++i) all.append(d.ItemText(control, i)).append(",");
    return all;
  };
  for (int control : {kList, kCombo}) {
    for (const char* text : {"10", "1", "11", "2", "Abc"}) note("add", d.AddItem(control, text));
    // Prefix searches from an entry; after the entry 2 the search wraps.
    for (const auto& [from, prefix] :
         {std::pair{-1, "1"}, {0, "1"}, {2, "1"}, {-1, "11"}, {-1, "aB"}, {-1, "3"}})
      note(Join("prefix", prefix, "after", from), d.FindPrefix(control, from, prefix));
    d.InsertItem(control, 1, "5");
    d.InsertItem(control, -1, "end");
    d.DeleteItem(control, 3);
    d.DeleteItem(control, 40);
    seen.push_back(items(control));
    d.SetItemData(control, 2, 77);
    d.Select(control, 2);
    const auto data = Join("data", d.ItemData(control, 2), "new", d.ItemData(control, 0),
                           "selected", d.Selection(control));
    d.DeleteItem(control, 0);
    const auto shifted = d.Selection(control);  // after deleting above it
    d.Select(control, 9);
    seen.push_back(
        Join(data, shifted, "outside", d.Selection(control), "[", d.ItemText(control, 9), "]"));
    d.ResetItems(control);
    note("count after reset", d.ItemCount(control));
  }
  note("new slider", d.SliderPos(kSlider));
  d.SetSliderRange(kSlider, -128, 127);
  for (const int pos : {-1, 300, -300}) {  // inside, above and below the range
    d.SetSliderPos(kSlider, pos);
    note(Join("slider set to", pos), d.SliderPos(kSlider));
  }
  d.SetSliderRange(kSlider, 0, 255);
  note("range raised above it", d.SliderPos(kSlider));
  d.Check(kBox1, true);
  d.SetText(kBox2, "abcdef");
  d.Enable(kList, false);
  d.Show(kCombo, false);
  seen.push_back(Join("checked", d.IsChecked(kBox1), d.IsChecked(kBox2), d.Text(kBox2, 4),
                      "enabled", d.IsEnabled(kList), "shown", d.IsShown(kCombo)));
  return seen;
}

TEST(DialogControls, RealAndFakeAnswerAlike) {
  Recorder recorder;
  HWND dialog = CreateTestDialog(recorder);
  ASSERT_NE(dialog, nullptr);
  ASSERT_NE(recorder.controls, nullptr);
  fakes::FakeDialog fake;
  EXPECT_EQ(Exercise(*recorder.controls), Exercise(fake));
  DestroyWindow(dialog);
}

TEST(DialogProcedure, HandsEveryMessageKindToTheBehaviour) {
  Recorder recorder;
  HWND dialog = CreateTestDialog(recorder);
  ASSERT_NE(dialog, nullptr);
  recorder.calls.clear();
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1095, 0), 12345);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kCombo, CBN_SELENDOK), 0);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 40),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, kSlider)));
  SendMessageA(dialog, WM_HSCROLL, SB_LINEDOWN, 0);  // the dialog's own bar: no control
  NMHDR header{GetDlgItem(dialog, kList), 77, static_cast<UINT>(PSN_SETACTIVE)};
  SendMessageA(dialog, WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&header));
  DestroyWindow(dialog);  // the focused list tells it loses the focus on the way
  ASSERT_GE(recorder.calls.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(recorder.calls.begin(), recorder.calls.begin() + 4),
            (std::vector<std::string>{"command 1095 0 12345", "command 11 9 0", "scroll 12 5",
                                      "notify 77 -200"}));
  EXPECT_EQ(recorder.calls.back(), "destroy");
}

// The sheet's template as the creation callback sees it, before and after the behaviour's
// callback: layout and whether the context-help style is set.
std::vector<std::string> g_templates;

int RecordingCallback(void* dialogTemplate, int message) {
  auto describe = [dialogTemplate] {
    const auto* bytes = static_cast<const unsigned char*>(dialogTemplate);
    WORD signature = 0;
    DWORD style = 0;
    std::memcpy(&signature, bytes + 2, sizeof signature);
    std::memcpy(&style, bytes + (signature == 0xFFFF ? 12 : 0), sizeof style);
    return Join(signature == 0xFFFF ? "extended" : "plain",
                (style & DS_CONTEXTHELP) ? "help" : "-");
  };
  if (message != kPscbPreCreate) return settings::SheetTemplateCallback(dialogTemplate, message);
  g_templates.push_back(describe());
  const int result = settings::SheetTemplateCallback(dialogTemplate, message);
  g_templates.push_back(describe());
  return result;
}

// The first page notes its sheet's title bar and presses Cancel.
struct ClosingPage : Recorder {
  void OnInit(DialogControls& dialog) override {
    Recorder::OnInit(dialog);
    HWND sheet = GetParent(reinterpret_cast<HWND>(dialog.Window().id));
    helpButton = (GetWindowLongA(sheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0;
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  }
  bool helpButton = true;
};

TEST(PropertySheet, TheCallbackClearsHelpAndOnlyTheShownPageIsMade) {
  ClosingPage first;
  Recorder second;
  const SheetHeader header{.flags = settings::kSheetFlags,
                           .caption = "Sheet",
                           .startPage = 0,
                           .pages = {{201, "One", &first}, {202, "Two", &second}},
                           .callback = RecordingCallback};
  win32::Win32Dialogs dialogs;
  dialogs.RunPropertySheet(WindowRef{}, header);
  ASSERT_EQ(g_templates.size(), 2u);
  // Wine hands over the plain layout, Windows the extended one; both come with the help style.
  const std::string layout = g_templates[0].substr(0, g_templates[0].find(' '));
  EXPECT_EQ(g_templates, (std::vector<std::string>{Join(layout, "help"), Join(layout, "-")}));
  EXPECT_FALSE(first.helpButton);
  EXPECT_EQ(first.calls.front(), "init");
  EXPECT_EQ(first.calls.back(), "destroy");
  EXPECT_TRUE(second.calls.empty());
}

}  // namespace
}  // namespace tv
