// The panel's dialog templates as the system builds them from Panel.exe, without behaviour: every
// control with its id, class and style inside the dialog, radio groups, unclipped texts, and a
// picture of each in the end-to-end artifacts for a person to look at.
#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "wine_test_support.h"

namespace tv {
namespace {

using namespace std::string_literals;

// A control as "<kind><id>", with "h" after a hidden one. Each kind is a window class and the
// style bits that make it what it is.
struct Kind {
  char letter;
  const char* cls;
  LONG mask, style;
  const char* what;
};
// clang-format off
const Kind kKinds[] = {
    {'L', "Static", SS_TYPEMASK, SS_LEFT, "left text"},
    {'G', "Button", BS_TYPEMASK, BS_GROUPBOX, "group box"},
    {'P', "Button", BS_TYPEMASK & ~BS_DEFPUSHBUTTON, BS_PUSHBUTTON, "push button"},  // or default
    {'R', "Button", BS_TYPEMASK, BS_AUTORADIOBUTTON, "auto radio button"},
    {'C', "Button", BS_TYPEMASK, BS_AUTOCHECKBOX, "auto check box"},
    {'E', "Edit", ES_READONLY, 0, "writable edit"},
    {'O', "Edit", ES_READONLY, ES_READONLY, "read-only edit"},
    {'D', "ComboBox", 3 | CBS_SORT, CBS_DROPDOWNLIST, "unsorted drop-down list"},
    {'S', "ComboBox", 3 | CBS_SORT, CBS_DROPDOWNLIST | CBS_SORT, "sorted drop-down list"},
    // The list box itself takes WS_VSCROLL away while all entries fit.
    {'B', "ListBox", LBS_NOTIFY | LBS_SORT, LBS_NOTIFY, "unsorted, notifying list box"},
    {'T', "msctls_trackbar32", TBS_VERT, 0, "horizontal slider"}};
// clang-format on

struct Template {
  int id;
  const char* name;
  bool page;  // shown inside a property sheet
  const char* controls;
  std::vector<std::vector<int>> radioGroups;
  std::vector<std::pair<int, const char*>> fixedTexts;  // texts the behaviour never replaces
};

// clang-format off
const std::vector<Template> kTemplates = {
    {105, "tv-settings-page", true,
     "L1185 D1141 G1186 R1002 R1003 G1004 R1005 R1006 D1007 L1008 O1086 P1139 G1011 L1187 O1038 "
     "L1039 E1097 P1098 O1014 P1013 P1015 P1016 P1017 P1018 P1019 P1020 P1021 P1022 P1023 P1024 "
     "P1028 P1027 L1134 B1037 P1029 P1030 P1031 L1188 L1189 O1025 O1026 G1129 T1126 L1130 L1131 "
     "O1136 P1135 P1133", {{1002, 1003}, {1005, 1006}},
     {{1013, "1"}, {1015, "2"}, {1016, "3"}, {1017, "4"}, {1018, "5"}, {1019, "6"}, {1020, "7"},
      {1021, "8"}, {1022, "9"}, {1023, "0"}, {1130, "-5MHz"}, {1131, "+5MHz"}}},
    {107, "fully-scan-page", true,
     "C1144 L1193 L1194 O1163 O1164 P1159 G1195 L1196 B1147 L1197 E1155 L1198 E1156 L1199 E1157 "
     "P1161 P1160 P1169 P1170 P1167 P1168 P1171 P1172 P1162 P1154", {},
     {{1161, "+10000Hz"}, {1160, "-10000 Hz"}, {1169, "+50000Hz"}, {1170, "-50000HZ"},
      {1167, "+250000Hz"}, {1168, "-250000Hz"}, {1171, "+1250000Hz"}, {1172, "-1250000Hz"}}},
    {297, "fully-scan-state", false, "L1190 L1191 O1157 L1192 O1166 P1 P2", {}, {}},
    {1327, "channel-name", false, "L1127 O1014 L1126 E1129 P1 P2", {}, {}},
    {296, "record-page", true,
     "G1072 R1075 R1096 R1099 R1076 R1115 R1074 R1173 R1114 G1200 L1055 D1174 G1077 E1010 P1209 "
     "G1201 L1202 D1107 L1203 D1106", {{1075, 1096, 1099, 1076, 1115, 1074, 1173, 1114}}, {}},
    {1264, "misc-page", true,
     "G1079 C1080 L1204 E1116 P1078 L1206h D1175h L1207h D1176h G1081 L1082 D1083 G1208 C1126 "
     "G1012 L1040 S1043 L1044 S1045", {}, {}},
    {1263, "audio-dialog", false,
     "G1179 L1116 L1114 L1118 L1120 T1110 T1111 T1112 T1113 O1115 O1117 O1119 O1121 P1122 P1 "
     "R1104h R1103h C1108h C1105h C1109h P1123h P1138h L1178h D1142h L1213h D1214h",
     {{1104, 1103}}, {}},
};
// clang-format on

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

const auto StyleOf = [](HWND window) { return GetWindowLongA(window, GWL_STYLE); };

// Empty when the control is of the kind's window class and style.
std::string Mismatch(HWND control, char letter) {
  const std::string cls = ClassOf(control);
  const LONG style = StyleOf(control);
  for (const Kind& kind : kKinds) {
    if (kind.letter != letter) continue;
    if (lstrcmpiA(cls.c_str(), kind.cls) != 0) return "class " + cls + ", expected " + kind.cls;
    char hex[16];
    wsprintfA(hex, "%08lx", static_cast<unsigned long>(style));
    return (style & kind.mask) == kind.style ? "" : "style "s + hex + " is not " + kind.what;
  }
  return "unknown kind";
}

INT_PTR CALLBACK Quiet(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// Pixels a control needs besides its text: a group box's indents around its title, the check
// mark's box and gap, a push button's raised frame.
int Chrome(HWND control) {
  if (lstrcmpiA(ClassOf(control).c_str(), "Button") != 0) return 0;
  const LONG type = StyleOf(control) & BS_TYPEMASK;
  if (type == BS_GROUPBOX) return 12;
  const bool mark = type == BS_AUTORADIOBUTTON || type == BS_AUTOCHECKBOX ||
                    type == BS_RADIOBUTTON || type == BS_CHECKBOX;
  return mark ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 4;
}

// Texts wider than their control, each as "id 'text' needs N of M pixels".
std::vector<std::string> ClippedTexts(HWND dialog) {
  std::vector<std::string> clipped;
  for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    const std::string cls = ClassOf(c);
    const std::string text = TextOf(c);
    if (text.empty() || !(StyleOf(c) & WS_VISIBLE) ||
        (lstrcmpiA(cls.c_str(), "Static") != 0 && lstrcmpiA(cls.c_str(), "Button") != 0))
      continue;
    RECT r{};
    GetClientRect(c, &r);
    const HDC dc = GetDC(c);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(c, dc);
    const int need = extent.cx + Chrome(c);
    if (need > r.right || extent.cy > r.bottom)
      clipped.push_back(std::to_string(GetDlgCtrlID(c)) + " '" + text + "' needs " +
                        std::to_string(need) + "x" + std::to_string(extent.cy) + " of " +
                        std::to_string(r.right) + "x" + std::to_string(r.bottom) + " pixels");
  }
  return clipped;
}

// The window's client area as on the screen, as a PNG file; false when it is all black. The
// frame is left out: without a window manager nobody draws it.
bool SaveWindowPicture(HWND window, const std::string& path) {
  RECT r{};
  GetClientRect(window, &r);
  const int w = r.right, h = r.bottom, stride = (w * 3 + 3) & ~3;  // rows padded to four bytes
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  BYTE* bits = nullptr;
  const HDC screen = GetDC(window), memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap =
      CreateDIBSection(memory, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  GdiFlush();
  CLSID png{};
  CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png);  // the PNG encoder
  const std::wstring wide(path.begin(), path.end());
  const bool ok =
      std::any_of(bits, bits + stride * h, [](BYTE b) { return b != 0; }) &&
      Gdiplus::Bitmap(w, h, stride, PixelFormat24bppRGB, bits).Save(wide.c_str(), &png, nullptr) ==
          Gdiplus::Ok;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return ok;
}

// The template on the screen: a page inside a sheet of its own, a dialog by itself. Gives the
// top-level window and the window holding the controls.
std::pair<HWND, HWND> Show(HMODULE panel, const Template& t) {
  if (!t.page) {
    const HWND dialog = CreateDialogParamA(panel, MAKEINTRESOURCEA(t.id), nullptr, Quiet, 0);
    return {dialog, dialog};
  }
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.hInstance = panel;
  page.pszTemplate = MAKEINTRESOURCEA(t.id);
  page.pfnDlgProc = Quiet;
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
  header.pszCaption = "Settings";
  header.nPages = 1;
  header.ppsp = &page;
  const auto top = reinterpret_cast<HWND>(PropertySheetA(&header));
  return {top, top ? reinterpret_cast<HWND>(SendMessageA(top, PSM_GETCURRENTPAGEHWND, 0, 0)) : top};
}

TEST(DialogTemplates, EveryTemplateHasItsControlsUnclippedAndIsPictured) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&init);
  const Gdiplus::GdiplusStartupInput gdiplus;
  ULONG_PTR gdiplusToken = 0;
  Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplus, nullptr);
  const HMODULE panel =
      LoadLibraryExA(winetest::WindowsPath(TVPANEL_BINARY_DIR "/src/win32/panel/Panel.exe").c_str(),
                     nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(panel, nullptr) << "cannot load Panel.exe";
  const char* chosen = std::getenv("TVPANEL_E2E_ARTIFACTS");
  const std::string artifacts =
      winetest::WindowsPath(chosen != nullptr ? chosen : TVPANEL_BINARY_DIR "/e2e-artifacts");
  CreateDirectoryA(artifacts.c_str(), nullptr);
  // The record page's radio buttons carry the frame size once the page runs: the longest fit.
  const std::pair<int, const char*> recordCaptions[] = {{1076, "VCD (352x288)"},
                                                        {1115, "SVCD (480x576)"},
                                                        {1074, "DVD (720x576)"},
                                                        {1099, "MS-MPEG4 (352x288)"},
                                                        {1173, "OTHER (352x288)"}};
  for (const Template& t : kTemplates) {
    SCOPED_TRACE(t.name);
    const auto [top, dialog] = Show(panel, t);
    ASSERT_NE(dialog, nullptr) << "template " << t.id << " cannot be created";
    SetWindowPos(top, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    if (t.id == 296)
      for (const auto& [id, text] : recordCaptions) SetDlgItemTextA(dialog, id, text);
    RedrawWindow(top, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    winetest::Pump(300);

    // Each control "<kind><id>" ("h" after a hidden one) is there, of its kind, inside the dialog.
    std::set<int> listed;
    RECT inner{};
    GetClientRect(dialog, &inner);
    std::istringstream controls(t.controls);
    for (std::string token; controls >> token;) {
      const int id = std::stoi(token.substr(1));
      SCOPED_TRACE("control " + token);
      listed.insert(id);
      const HWND control = GetDlgItem(dialog, id);
      RECT box{};  // hidden ones too
      GetWindowRect(control, &box);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
      EXPECT_TRUE(control != nullptr && Mismatch(control, token[0]).empty() &&
                  ((StyleOf(control) & WS_VISIBLE) == 0) == (token.back() == 'h') &&
                  box.left >= 0 && box.top >= 0 && box.right <= inner.right &&
                  box.bottom <= inner.bottom)
          << (control ? Mismatch(control, token[0]) : "missing") << " visible "
          << (StyleOf(control) & WS_VISIBLE) << " at " << box.left << "," << box.top << ","
          << box.right << "," << box.bottom << " in " << inner.right << "x" << inner.bottom;
    }
    for (const auto& [id, text] : t.fixedTexts) EXPECT_EQ(TextOf(GetDlgItem(dialog, id)), text);
    // Nothing the behaviour does not know about carries an id.
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
      EXPECT_TRUE(GetDlgCtrlID(c) == -1 || GetDlgCtrlID(c) == 0xFFFF ||
                  listed.count(GetDlgCtrlID(c)))
          << "unexpected control " << GetDlgCtrlID(c);
    // The video window program finds the scan state dialog among the top-level dialogs by
    // its two edits alone: no other window may look like it.
    EXPECT_EQ(GetDlgItem(top, 1157) != nullptr && GetDlgItem(top, 1166) != nullptr, t.id == 297);

    // A group runs from a control with WS_GROUP to the next one and holds exactly its radio
    // buttons (hidden ones too): choosing one clears only the others of its group.
    for (const std::vector<int>& group : t.radioGroups) {
      std::set<int> seen;
      HWND c = GetDlgItem(dialog, group.front());
      EXPECT_TRUE(c != nullptr && (StyleOf(c) & WS_GROUP)) << group.front() << " starts no group";
      for (; c != nullptr && (seen.empty() || !(StyleOf(c) & WS_GROUP));
           c = GetWindow(c, GW_HWNDNEXT))
        seen.insert(Mismatch(c, 'R').empty() ? GetDlgCtrlID(c) : -GetDlgCtrlID(c));
      EXPECT_EQ(seen, std::set<int>(group.begin(), group.end())) << "group of " << group.front();
    }
    for (const std::string& clipped : ClippedTexts(dialog)) ADD_FAILURE() << "clipped: " << clipped;
    const std::string picture = artifacts + "\\dialog-" + t.name + ".png";
    EXPECT_TRUE(SaveWindowPicture(top, picture)) << picture;
    DestroyWindow(top);
  }
  FreeLibrary(panel);
  Gdiplus::GdiplusShutdown(gdiplusToken);
}

}  // namespace
}  // namespace tv
