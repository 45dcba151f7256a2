#include "dialog_driver.h"

#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "dialog_actions.h"
#include "panel_input.h"

namespace tv::remote {
namespace {

constexpr UINT kDefaultTimeoutMs = 10000;
constexpr int kSheetTabId = 0x3020;  // the property sheet's own tab control

struct Target {
  std::string title;
  HWND dialog = nullptr;
  HWND tabs = nullptr;  // set for a property sheet
  HWND page = nullptr;  // the sheet's current page
  bool post = false;
  bool force = false;
  UINT timeoutMs = kDefaultTimeoutMs;
};

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

LONG StyleOf(HWND window) {
  return GetWindowLongA(window, GWL_STYLE);
}

// Sends and waits for the dialog to handle the message, or posts it with --post (for actions
// that open a modal window and so would not return).
LRESULT Deliver(const Target& t, HWND to, UINT message, WPARAM wParam, LPARAM lParam) {
  if (t.post) {
    if (!PostMessageA(to, message, wParam, lParam)) RuntimeError("could not post to the dialog");
    return 0;
  }
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(to, message, wParam, lParam, SMTO_NORMAL, t.timeoutMs, &result))
    RuntimeError("the dialog did not answer within " + std::to_string(t.timeoutMs) +
                 " ms (use --post for an action that opens a modal window)");
  return static_cast<LRESULT>(result);
}

// Messages to the control itself always wait: they carry no work of the dialog's own.
LRESULT Ask(const Target& t, HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(control, message, wParam, lParam, SMTO_NORMAL, t.timeoutMs, &result))
    RuntimeError("the control did not answer within " + std::to_string(t.timeoutMs) + " ms");
  return static_cast<LRESULT>(result);
}

void NotifyCommand(const Target& t, HWND control, int code) {
  const int id = GetDlgCtrlID(control);
  Deliver(t, GetParent(control), WM_COMMAND, MAKEWPARAM(id, code),
          reinterpret_cast<LPARAM>(control));
}

Target FindTarget(const std::string& title, const Arguments& args) {
  Target t;
  t.title = title;
  t.post = args.Has("--post");
  t.force = args.Has("--force");
  if (const auto timeout = args.Value("--timeout")) {
    const std::optional<long long> ms = ParseInteger(*timeout);
    if (!ms || *ms < 1 || *ms > 3600000) UsageError("--timeout must be 1..3600000 ms");
    t.timeoutMs = static_cast<UINT>(*ms);
  }
  const std::string dialogClass = "#32770";
  t.dialog = FindTopLevel(title, &dialogClass).window;
  if (t.dialog == nullptr) RuntimeError("no dialog titled \"" + title + "\"");
  const HWND tabs = GetDlgItem(t.dialog, kSheetTabId);
  if (tabs != nullptr && SameName(ClassOf(tabs), WC_TABCONTROLA)) {
    t.tabs = tabs;
    t.page = reinterpret_cast<HWND>(Ask(t, t.dialog, PSM_GETCURRENTPAGEHWND));
  }
  return t;
}

// The control on the sheet's current page, else on the dialog itself (the sheet's OK, Cancel).
HWND FindControl(const Target& t, int id) {
  HWND control = t.page != nullptr ? GetDlgItem(t.page, id) : nullptr;
  if (control == nullptr) control = GetDlgItem(t.dialog, id);
  if (control == nullptr)
    RuntimeError("no control " + std::to_string(id) + " in \"" + t.title + "\"" +
                 (t.tabs != nullptr ? " on its current page" : ""));
  return control;
}

std::string TextOf(const Target& t, HWND control) {
  const auto length = static_cast<int>(Ask(t, control, WM_GETTEXTLENGTH));
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const auto got = Ask(t, control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got));
  return text;
}

// Entry texts are read as UTF-16 and converted here: across processes the system hands some
// controls' ANSI entry texts back in UTF-16.
std::vector<std::string> Entries(const Target& t, HWND control, bool combo) {
  const UINT count = combo ? CB_GETCOUNT : LB_GETCOUNT;
  const UINT length = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
  const UINT get = combo ? CB_GETLBTEXT : LB_GETTEXT;
  std::vector<std::string> entries;
  const auto n = static_cast<int>(Ask(t, control, count));
  for (int i = 0; i < n; ++i) {
    const auto size = static_cast<int>(Ask(t, control, length, static_cast<WPARAM>(i)));
    std::wstring wide(static_cast<size_t>(size < 0 ? 0 : size) + 1, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(control, get, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(wide.data()), SMTO_NORMAL, t.timeoutMs, &got))
      RuntimeError("the control did not answer within " + std::to_string(t.timeoutMs) + " ms");
    wide.resize(std::wcslen(wide.c_str()));
    std::string text(wide.size() * 4 + 1, '\0');
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                            static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
    entries.push_back(std::move(text));
  }
  return entries;
}

// Clears the other automatic radio buttons of the control's group, as a user's click does.
void ClearGroup(const Target& t, HWND control) {
  HWND first = control;
  while (!(StyleOf(first) & WS_GROUP)) {
    const HWND previous = GetWindow(first, GW_HWNDPREV);
    if (previous == nullptr) break;
    first = previous;
  }
  for (HWND c = first; c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    if (c != first && (StyleOf(c) & WS_GROUP)) break;
    if (c != control && SameName(ClassOf(c), "Button") &&
        ButtonKindOf(static_cast<unsigned>(StyleOf(c))) == ButtonKind::AutoRadio)
      Ask(t, c, BM_SETCHECK, BST_UNCHECKED);
  }
}

void DoButton(const Target& t, HWND control, DialogVerb verb) {
  const ButtonKind kind = ButtonKindOf(static_cast<unsigned>(StyleOf(control)));
  const auto check = static_cast<int>(Ask(t, control, BM_GETCHECK));
  const ButtonPlan plan = PlanButton(verb, kind, check);
  if (!plan.refusal.empty())
    RuntimeError("control " + std::to_string(GetDlgCtrlID(control)) + " " + plan.refusal);
  if (plan.clearGroup) ClearGroup(t, control);
  if (plan.newCheck) Ask(t, control, BM_SETCHECK, static_cast<WPARAM>(*plan.newCheck));
  if (plan.notify) NotifyCommand(t, control, BN_CLICKED);
}

void DoSelect(const Target& t, HWND control, const DialogAction& action, ControlClass cls) {
  const bool combo = cls == ControlClass::ComboBox;
  const std::vector<std::string> entries = Entries(t, control, combo);
  std::optional<int> index;
  if (action.verb == DialogVerb::Select) {
    index = FindEntry(entries, action.text);
    if (!index)
      RuntimeError("no entry \"" + action.text + "\" in control " + std::to_string(action.control));
  } else {
    if (action.number >= static_cast<long long>(entries.size()))
      RuntimeError("control " + std::to_string(action.control) + " has " +
                   std::to_string(entries.size()) + " entries, no index " +
                   std::to_string(action.number));
    index = static_cast<int>(action.number);
  }
  if (!combo && (StyleOf(control) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)))
    RuntimeError("control " + std::to_string(action.control) + " is a multiple-selection list box");
  Ask(t, control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(*index));
  if (combo) {
    NotifyCommand(t, control, CBN_SELENDOK);
    NotifyCommand(t, control, CBN_SELCHANGE);
  } else if (StyleOf(control) & LBS_NOTIFY) {
    NotifyCommand(t, control, LBN_SELCHANGE);
  }
}

// Replaces the whole text as typing over a selection does: the edit itself then tells the
// dialog (EN_UPDATE, EN_CHANGE; through a combo box CBN_EDITUPDATE, CBN_EDITCHANGE).
void DoSetText(const Target& t, HWND control, const DialogAction& action) {
  HWND edit = control;
  if (SameName(ClassOf(control), "ComboBox")) {
    edit = FindWindowExA(control, nullptr, "Edit", nullptr);
    if (edit == nullptr)
      RuntimeError("combo box " + std::to_string(action.control) + " has no edit field");
  }
  if ((StyleOf(edit) & ES_READONLY) && !t.force)
    RuntimeError("control " + std::to_string(action.control) +
                 " is read-only (--force sets it anyway)");
  Ask(t, edit, EM_SETSEL, 0, -1);
  Ask(t, edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(action.text.c_str()));
}

// A drag ends with the thumb's position and the end of the tracking, both as scroll messages
// to the dialog with the slider's handle.
void DoSlide(const Target& t, HWND control, const DialogAction& action) {
  const auto low = static_cast<long long>(Ask(t, control, TBM_GETRANGEMIN));
  const auto high = static_cast<long long>(Ask(t, control, TBM_GETRANGEMAX));
  if (action.number < low || action.number > high)
    RuntimeError("position " + std::to_string(action.number) + " is outside the slider's range " +
                 std::to_string(low) + ".." + std::to_string(high));
  Ask(t, control, TBM_SETPOS, TRUE, static_cast<LPARAM>(action.number));
  const UINT message = (StyleOf(control) & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  const auto lParam = reinterpret_cast<LPARAM>(control);
  const HWND owner = GetParent(control);
  Deliver(t, owner, message, MAKEWPARAM(TB_THUMBPOSITION, static_cast<WORD>(action.number)),
          lParam);
  Deliver(t, owner, message, MAKEWPARAM(TB_ENDTRACK, 0), lParam);
}

void PrintValue(const Target& t, HWND control, ControlClass cls) {
  switch (cls) {
    case ControlClass::Button: {
      const ButtonKind kind = ButtonKindOf(static_cast<unsigned>(StyleOf(control)));
      if (kind == ButtonKind::Push || kind == ButtonKind::GroupBox || kind == ButtonKind::Other)
        std::printf("%s\n", TextOf(t, control).c_str());
      else
        std::printf("%s\n", CheckWord(static_cast<int>(Ask(t, control, BM_GETCHECK))));
      return;
    }
    case ControlClass::ListBox:
    case ControlClass::ComboBox: {
      const bool combo = cls == ControlClass::ComboBox;
      const auto index = static_cast<int>(Ask(t, control, combo ? CB_GETCURSEL : LB_GETCURSEL));
      const std::vector<std::string> entries = Entries(t, control, combo);
      if (index < 0 || index >= static_cast<int>(entries.size()))
        std::printf("-1\n");
      else
        std::printf("%d %s\n", index, entries[static_cast<size_t>(index)].c_str());
      return;
    }
    case ControlClass::Slider:
      std::printf("%ld\n", static_cast<long>(Ask(t, control, TBM_GETPOS)));
      return;
    default:
      std::printf("%s\n", TextOf(t, control).c_str());
  }
}

int RunAction(const Target& t, const DialogAction& action) {
  if (action.verb == DialogVerb::Tab || action.verb == DialogVerb::Page) {
    if (t.tabs == nullptr) RuntimeError("\"" + t.title + "\" is not a property sheet");
    if (action.verb == DialogVerb::Page) {
      std::printf("%ld\n", static_cast<long>(Ask(t, t.tabs, TCM_GETCURSEL)));
      return kExitOk;
    }
    const auto pages = static_cast<long long>(Ask(t, t.tabs, TCM_GETITEMCOUNT));
    if (action.number >= pages)
      RuntimeError("\"" + t.title + "\" has " + std::to_string(pages) + " pages, no page " +
                   std::to_string(action.number));
    Deliver(t, t.dialog, PSM_SETCURSEL, static_cast<WPARAM>(action.number), 0);
    return kExitOk;
  }
  const HWND control = FindControl(t, action.control);
  const ControlClass cls = ClassifyControl(ClassOf(control));
  const std::string mismatch = VerbMismatch(action.verb, cls);
  if (!mismatch.empty())
    RuntimeError("control " + std::to_string(action.control) + " (" + ClassOf(control) + ") " +
                 mismatch);
  const bool reads = action.verb == DialogVerb::Get || action.verb == DialogVerb::Items ||
                     action.verb == DialogVerb::State;
  if (!reads && !IsWindowEnabled(control) && !t.force)
    RuntimeError("control " + std::to_string(action.control) +
                 " is disabled (--force acts anyway)");
  switch (action.verb) {
    case DialogVerb::Click:
    case DialogVerb::Check:
    case DialogVerb::Uncheck:
      DoButton(t, control, action.verb);
      break;
    case DialogVerb::Select:
    case DialogVerb::SelectIndex:
      DoSelect(t, control, action, cls);
      break;
    case DialogVerb::SetText:
      DoSetText(t, control, action);
      break;
    case DialogVerb::Slide:
      DoSlide(t, control, action);
      break;
    case DialogVerb::Get:
      PrintValue(t, control, cls);
      break;
    case DialogVerb::Items:
      for (const std::string& entry : Entries(t, control, cls == ControlClass::ComboBox))
        std::printf("%s\n", entry.c_str());
      break;
    case DialogVerb::State:
      std::printf("%s %s\n", IsWindowEnabled(control) ? "enabled" : "disabled",
                  (StyleOf(control) & WS_VISIBLE) ? "visible" : "hidden");
      break;
    default:
      break;
  }
  return kExitOk;
}

}  // namespace

int RunDialog(std::span<const std::string> words) {
  const Arguments args(words, {{"--post", "--force"}, {"--timeout"}});
  if (args.Positional().size() < 2)
    UsageError("usage: tvremote dialog TITLE ACTION ... [--post] [--force] [--timeout MS]");
  const std::vector<std::string>& p = args.Positional();
  const DialogAction action = ParseDialogAction(std::span<const std::string>(p).subspan(1));
  return RunAction(FindTarget(p[0], args), action);
}

}  // namespace tv::remote
