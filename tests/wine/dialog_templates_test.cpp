// The panel's dialog templates as the system builds them, taken from Panel.exe itself and shown
// without their behaviour: every control the pages and dialogs talk to is there with its id,
// class and style, nothing lies outside the dialog, radio buttons clear each other only within
// their own group, and no text is cut off at the size the template gives it. A picture of
// each template goes into the end-to-end artifacts so that a person can look at the layout.
#include <windows.h>
#include <commctrl.h>
#include <wincodec.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "wine_test_support.h"

namespace tv {
namespace {

enum class Kind {
  Label,
  Group,
  Push,
  Radio,
  Check,
  Edit,
  ReadOnly,
  DropList,
  Sorted,
  List,
  Slider
};

struct Control {
  int id;
  Kind kind;
  bool hidden = false;
  const char* text = nullptr;  // texts the behaviour never replaces
};

struct Template {
  int id;
  const char* name;
  bool page;  // shown inside a property sheet
  std::vector<Control> controls;
  std::vector<std::vector<int>> radioGroups;
};

constexpr bool kHidden = true;
using K = Kind;

const std::vector<Template>& Templates() {
  static const std::vector<Template> templates = {
      {105,
       "tv-settings-page",
       true,
       {{1185, K::Label},
        {1141, K::DropList},
        {1186, K::Group},
        {1002, K::Radio},
        {1003, K::Radio},
        {1004, K::Group},
        {1005, K::Radio},
        {1006, K::Radio},
        {1007, K::DropList},
        {1008, K::Label},
        {1086, K::ReadOnly},
        {1139, K::Push},
        {1011, K::Group},
        {1187, K::Label},
        {1038, K::ReadOnly},
        {1039, K::Label},
        {1097, K::Edit},
        {1098, K::Push},
        {1014, K::ReadOnly},
        {1013, K::Push, false, "1"},
        {1015, K::Push, false, "2"},
        {1016, K::Push, false, "3"},
        {1017, K::Push, false, "4"},
        {1018, K::Push, false, "5"},
        {1019, K::Push, false, "6"},
        {1020, K::Push, false, "7"},
        {1021, K::Push, false, "8"},
        {1022, K::Push, false, "9"},
        {1023, K::Push, false, "0"},
        {1024, K::Push},
        {1028, K::Push},
        {1027, K::Push},
        {1134, K::Label},
        {1037, K::List},
        {1029, K::Push},
        {1030, K::Push},
        {1031, K::Push},
        {1188, K::Label},
        {1189, K::Label},
        {1025, K::ReadOnly},
        {1026, K::ReadOnly},
        {1129, K::Group},
        {1126, K::Slider},
        {1130, K::Label, false, "-5MHz"},
        {1131, K::Label, false, "+5MHz"},
        {1136, K::ReadOnly},
        {1135, K::Push},
        {1133, K::Push}},
       {{1002, 1003}, {1005, 1006}}},
      {107,
       "fully-scan-page",
       true,
       {{1144, K::Check},
        {1193, K::Label},
        {1194, K::Label},
        {1163, K::ReadOnly},
        {1164, K::ReadOnly},
        {1159, K::Push},
        {1195, K::Group},
        {1196, K::Label},
        {1147, K::List},
        {1197, K::Label},
        {1155, K::Edit},
        {1198, K::Label},
        {1156, K::Edit},
        {1199, K::Label},
        {1157, K::Edit},
        {1161, K::Push, false, "+10000Hz"},
        {1160, K::Push, false, "-10000 Hz"},
        {1169, K::Push, false, "+50000Hz"},
        {1170, K::Push, false, "-50000HZ"},
        {1167, K::Push, false, "+250000Hz"},
        {1168, K::Push, false, "-250000Hz"},
        {1171, K::Push, false, "+1250000Hz"},
        {1172, K::Push, false, "-1250000Hz"},
        {1162, K::Push},
        {1154, K::Push}},
       {}},
      {297,
       "fully-scan-state",
       false,
       {{1190, K::Label},
        {1191, K::Label},
        {1157, K::ReadOnly},
        {1192, K::Label},
        {1166, K::ReadOnly},
        {1, K::Push},
        {2, K::Push}},
       {}},
      {1327,
       "channel-name",
       false,
       {{1127, K::Label},
        {1014, K::ReadOnly},
        {1126, K::Label},
        {1129, K::Edit},
        {1, K::Push},
        {2, K::Push}},
       {}},
      {296,
       "record-page",
       true,
       {{1072, K::Group}, {1075, K::Radio},    {1096, K::Radio}, {1099, K::Radio},
        {1076, K::Radio}, {1115, K::Radio},    {1074, K::Radio}, {1173, K::Radio},
        {1114, K::Radio}, {1200, K::Group},    {1055, K::Label}, {1174, K::DropList},
        {1077, K::Group}, {1010, K::Edit},     {1209, K::Push},  {1201, K::Group},
        {1202, K::Label}, {1107, K::DropList}, {1203, K::Label}, {1106, K::DropList}},
       {{1075, 1096, 1099, 1076, 1115, 1074, 1173, 1114}}},
      {1264,
       "misc-page",
       true,
       {{1079, K::Group},
        {1080, K::Check},
        {1204, K::Label},
        {1116, K::Edit},
        {1078, K::Push},
        {1206, K::Label, kHidden},
        {1175, K::DropList, kHidden},
        {1207, K::Label, kHidden},
        {1176, K::DropList, kHidden},
        {1081, K::Group},
        {1082, K::Label},
        {1083, K::DropList},
        {1208, K::Group},
        {1126, K::Check},
        {1012, K::Group},
        {1040, K::Label},
        {1043, K::Sorted},
        {1044, K::Label},
        {1045, K::Sorted}},
       {}},
      {1263,
       "audio-dialog",
       false,
       {{1179, K::Group},
        {1116, K::Label},
        {1114, K::Label},
        {1118, K::Label},
        {1120, K::Label},
        {1110, K::Slider},
        {1111, K::Slider},
        {1112, K::Slider},
        {1113, K::Slider},
        {1115, K::ReadOnly},
        {1117, K::ReadOnly},
        {1119, K::ReadOnly},
        {1121, K::ReadOnly},
        {1122, K::Push},
        {1, K::Push},
        {1104, K::Radio, kHidden},
        {1103, K::Radio, kHidden},
        {1108, K::Check, kHidden},
        {1105, K::Check, kHidden},
        {1109, K::Check, kHidden},
        {1123, K::Push, kHidden},
        {1138, K::Push, kHidden},
        {1178, K::Label, kHidden},
        {1142, K::DropList, kHidden},
        {1213, K::Label, kHidden},
        {1214, K::DropList, kHidden}},
       {{1104, 1103}}},
  };
  return templates;
}

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

LONG StyleOf(HWND window) {
  return GetWindowLongA(window, GWL_STYLE);
}

// What the kind means in window class and style; empty when the control is what it should be.
std::string Mismatch(HWND control, Kind kind) {
  const std::string cls = ClassOf(control);
  const LONG style = StyleOf(control);
  const LONG button = style & BS_TYPEMASK;
  const auto want = [&](const char* expectedClass, bool styleOk, const char* what) {
    if (lstrcmpiA(cls.c_str(), expectedClass) != 0)
      return "class " + cls + ", expected " + expectedClass;
    char hex[16];
    wsprintfA(hex, "%08lx", static_cast<unsigned long>(style));
    return styleOk ? std::string() : std::string("style ") + hex + " is not " + what;
  };
  switch (kind) {
    case Kind::Label:
      return want("Static", (style & SS_TYPEMASK) == SS_LEFT, "left text");
    case Kind::Group:
      return want("Button", button == BS_GROUPBOX, "group box");
    case Kind::Push:
      return want("Button", button == BS_PUSHBUTTON || button == BS_DEFPUSHBUTTON, "push button");
    case Kind::Radio:
      return want("Button", button == BS_AUTORADIOBUTTON, "auto radio button");
    case Kind::Check:
      return want("Button", button == BS_AUTOCHECKBOX, "auto check box");
    case Kind::Edit:
      return want("Edit", !(style & ES_READONLY), "writable");
    case Kind::ReadOnly:
      return want("Edit", style & ES_READONLY, "read-only");
    case Kind::DropList:
    case Kind::Sorted:
      return want(
          "ComboBox",
          (style & 3) == CBS_DROPDOWNLIST && ((style & CBS_SORT) != 0) == (kind == K::Sorted),
          kind == K::Sorted ? "sorted drop-down list" : "unsorted drop-down list");
    // The list box itself takes WS_VSCROLL away while all entries fit.
    case Kind::List:
      return want("ListBox", (style & LBS_NOTIFY) && !(style & LBS_SORT), "unsorted, notifying");
    case Kind::Slider:
      return want("msctls_trackbar32", !(style & TBS_VERT), "horizontal");
  }
  return "unknown kind";
}

INT_PTR CALLBACK Quiet(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// Pixels a control needs besides its text: the push button's frame, the check mark's box and
// gap, the group box's indents around its title.
int Chrome(HWND control) {
  if (lstrcmpiA(ClassOf(control).c_str(), "Button") != 0) return 0;
  switch (StyleOf(control) & BS_TYPEMASK) {
    case BS_GROUPBOX:
      return 12;
    case BS_AUTORADIOBUTTON:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_CHECKBOX:
      return GetSystemMetrics(SM_CXMENUCHECK) + 4;
    default:
      return 4;  // the raised frame, two pixels a side
  }
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

// The picture of a window's client area as it is on the screen, as a PNG file. The frame is
// left out: without a window manager nobody draws it.
bool SaveWindowPicture(HWND window, const std::string& path) {
  RECT r{};
  GetClientRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC screen = GetDC(window);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<BYTE> rgb(static_cast<size_t>(w) * h * 3);
  const auto* px = static_cast<const BYTE*>(bits);
  bool allBlack = true;
  for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
    for (int k = 0; k < 3; ++k) rgb[i * 3 + k] = px[i * 4 + k];
    allBlack = allBlack && px[i * 4] == 0 && px[i * 4 + 1] == 0 && px[i * 4 + 2] == 0;
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  if (allBlack) return false;

  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  const std::wstring wide(path.begin(), path.end());
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  bool ok =
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(wide.c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
      SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->SetSize(static_cast<UINT>(w), static_cast<UINT>(h))) &&
      SUCCEEDED(frame->SetPixelFormat(&format)) && format == GUID_WICPixelFormat24bppBGR &&
      SUCCEEDED(frame->WritePixels(static_cast<UINT>(h), static_cast<UINT>(w) * 3,
                                   static_cast<UINT>(rgb.size()), rgb.data())) &&
      SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  for (IUnknown* u : std::initializer_list<IUnknown*>{frame, encoder, stream, factory})
    if (u != nullptr) u->Release();
  return ok;
}

std::string ArtifactFolder() {
  const char* chosen = std::getenv("TVPANEL_E2E_ARTIFACTS");
  const std::string unixPath = chosen != nullptr ? chosen : TVPANEL_BINARY_DIR "/e2e-artifacts";
  std::string path = winetest::WindowsPath(unixPath);
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

class DialogTemplates : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX init{sizeof init,
                              ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&init);
    CoInitialize(nullptr);
    const std::string program =
        winetest::WindowsPath(TVPANEL_BINARY_DIR "/src/win32/panel/Panel.exe");
    panel = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }
  static void TearDownTestSuite() {
    if (panel != nullptr) FreeLibrary(panel);
    CoUninitialize();
  }

  // The template on the screen: a page inside a sheet of its own, a dialog by itself. Gives
  // the top-level window and the window holding the controls.
  std::pair<HWND, HWND> Show(const Template& t) {
    if (!t.page) {
      const HWND dialog = CreateDialogParamA(panel, MAKEINTRESOURCEA(t.id), nullptr, Quiet, 0);
      if (dialog != nullptr) {
        SetWindowPos(dialog, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        UpdateWindow(dialog);
      }
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
    const auto sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (sheet == nullptr) return {nullptr, nullptr};
    SetWindowPos(sheet, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    return {sheet, reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0))};
  }

  static HMODULE panel;
};
HMODULE DialogTemplates::panel = nullptr;

void ExpectControls(HWND dialog, const Template& t) {
  std::set<int> listed;
  for (const Control& c : t.controls) {
    SCOPED_TRACE("control " + std::to_string(c.id));
    listed.insert(c.id);
    const HWND control = GetDlgItem(dialog, c.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(Mismatch(control, c.kind), "");
    EXPECT_EQ((StyleOf(control) & WS_VISIBLE) == 0, c.hidden);
    if (c.text != nullptr) {
      EXPECT_EQ(TextOf(control), c.text);
    }
    // Inside the dialog, hidden ones too.
    RECT inner{}, box{};
    GetClientRect(dialog, &inner);
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= inner.right &&
                box.bottom <= inner.bottom)
        << box.left << "," << box.top << "," << box.right << "," << box.bottom << " in "
        << inner.right << "x" << inner.bottom;
  }
  // Nothing the behaviour does not know about carries an id.
  for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(c);
    if (id != -1 && id != 0xFFFF) {
      EXPECT_EQ(listed.count(id), 1u) << "unexpected control " << id;
    }
  }
}

// Each group holds exactly its radio buttons, hidden ones included: a group runs from a control
// with WS_GROUP to the next one, and choosing a radio button clears the others of its group.
void ExpectRadioGroups(HWND dialog, const Template& t) {
  for (const std::vector<int>& group : t.radioGroups) {
    const std::set<int> expected(group.begin(), group.end());
    std::set<int> seen;
    HWND c = GetDlgItem(dialog, group.front());
    EXPECT_TRUE(c != nullptr && (StyleOf(c) & WS_GROUP)) << group.front() << " starts no group";
    for (; c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      if (!seen.empty() && (StyleOf(c) & WS_GROUP)) break;
      if (lstrcmpiA(ClassOf(c).c_str(), "Button") == 0 &&
          (StyleOf(c) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
        seen.insert(GetDlgCtrlID(c));
      else
        seen.insert(-GetDlgCtrlID(c));  // anything else in the group is a fault too
    }
    EXPECT_EQ(seen, expected) << "group of " << group.front();
  }
}

TEST_F(DialogTemplates, EveryTemplateHasItsControlsUnclippedAndIsPictured) {
  ASSERT_NE(panel, nullptr) << "cannot load Panel.exe";
  const std::string artifacts = ArtifactFolder();
  // The record page's radio buttons carry the frame size once the page runs; the longest
  // captions must fit too.
  const std::vector<std::pair<int, const char*>> recordCaptions = {{1076, "VCD (352x288)"},
                                                                   {1115, "SVCD (480x576)"},
                                                                   {1074, "DVD (720x576)"},
                                                                   {1099, "MS-MPEG4 (352x288)"},
                                                                   {1173, "OTHER (352x288)"}};
  for (const Template& t : Templates()) {
    SCOPED_TRACE(t.name);
    const auto [top, dialog] = Show(t);
    ASSERT_NE(dialog, nullptr) << "template " << t.id << " cannot be created";
    if (t.id == 296)
      for (const auto& [id, text] : recordCaptions) SetDlgItemTextA(dialog, id, text);
    RedrawWindow(top, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    winetest::Pump(300);
    ExpectControls(dialog, t);
    ExpectRadioGroups(dialog, t);
    for (const std::string& clipped : ClippedTexts(dialog)) ADD_FAILURE() << "clipped: " << clipped;
    const std::string picture = artifacts + "\\dialog-" + t.name + ".png";
    EXPECT_TRUE(SaveWindowPicture(top, picture)) << picture;
    DestroyWindow(top);
  }
}

// The fully-scan state dialog is found by the video window program among the top-level
// dialogs by its two edits alone, and the sheet's pages must not look like it.
TEST_F(DialogTemplates, OnlyTheScanStateDialogHoldsBothScanEdits) {
  ASSERT_NE(panel, nullptr);
  for (const Template& t : Templates()) {
    const auto [top, dialog] = Show(t);
    ASSERT_NE(dialog, nullptr) << t.name;
    const bool both = GetDlgItem(top, 1157) != nullptr && GetDlgItem(top, 1166) != nullptr;
    EXPECT_EQ(both, t.id == 297) << t.name;
    char cls[32] = {};
    GetClassNameA(top, cls, sizeof cls);
    if (t.id == 297) {
      EXPECT_STREQ(cls, "#32770");
      EXPECT_EQ(GetParent(top), nullptr);
    }
    DestroyWindow(top);
  }
}

}  // namespace
}  // namespace tv
