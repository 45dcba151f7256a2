#pragma once
// The seam's real implementations: thin wrappers over the Win32 calls, no decisions.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "win32/platform/win32_dialog.h"

namespace tv::win32 {

inline HWND ToHwnd(WindowRef window) {
  return reinterpret_cast<HWND>(window.id);
}
inline WindowRef FromHwnd(HWND window) {
  return WindowRef{reinterpret_cast<std::uintptr_t>(window)};
}

class Win32Profile : public Profile {
 public:
  std::uint32_t ReadWinIni(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size) override;
  bool WriteWinIni(const char* section, const char* key, const char* value) override;
  std::uint32_t ReadString(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size, const char* file) override;
  int ReadInt(const char* section, const char* key, int def, const char* file) override;
  bool WriteString(const char* section, const char* key, const char* value,
                   const char* file) override;
  std::optional<std::string> ReadAll(const char* file) override;
};

class Win32Messenger : public Messenger {
 public:
  WindowRef Find(const char* className, const char* title) override;
  bool Post(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override;
  std::intptr_t Send(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
};

// Window timers on one window (the panel), set once that window exists.
class Win32Timers : public Timers {
 public:
  void SetWindow(HWND window) { window_ = window; }
  void Start(std::uint32_t id, std::uint32_t periodMs) override;
  void Stop(std::uint32_t id) override;

 private:
  HWND window_ = nullptr;
};

class Win32Clock : public Clock {
 public:
  void Sleep(std::uint32_t ms) override;
  LocalTime Now() override;
  std::uint32_t TickMs() override;
};

class Win32MessageBoxes : public MessageBoxes {
 public:
  int Show(WindowRef owner, const char* text, const char* caption, std::uint32_t style) override;
};

class Win32FileSystem : public FileSystem {
 public:
  bool ChangeDirectory(const std::string& path) override;
  std::string CurrentDirectory() override;
  std::optional<std::uint64_t> FreeBytesAt(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
};

class Win32WindowManager : public WindowManager {
 public:
  void SetPanel(HWND panel) { panel_ = panel; }
  void Show(WindowRef window, int showState) override;
  void SetTopmost(WindowRef window, bool topmost) override;
  void Resize(WindowRef window, int width, int height) override;
  void Move(WindowRef window, int x, int y, int width, int height, bool repaint) override;
  ScreenRect WindowRect(WindowRef window) override;
  Size ScreenSize() override;
  bool SetRegion(WindowRef window, const std::vector<Point>& polygon) override;
  void BringToForeground(WindowRef window) override;
  void SetFocus(WindowRef window) override;
  void Invalidate(WindowRef window) override;
  void UpdateNow(WindowRef window) override;
  void Destroy(WindowRef window) override;
  void CaptureMouse(WindowRef window) override;
  void ReleaseMouse() override;
  void SetCursor(Cursor cursor) override;
  WindowRef CreateList(ListWindow kind) override;

 private:
  HWND panel_ = nullptr;
};

// The four skin pictures, each selected into its own memory device context.
class Win32Graphics : public SkinGraphics {
 public:
  ~Win32Graphics() override { ReleasePictures(); }
  void SetPanel(HWND panel) { panel_ = panel; }
  // While WM_PAINT runs, copies to the window go to the paint context.
  void SetPaintContext(HDC dc) { paintDc_ = dc; }
  void LoadPictures(const std::string& normal, const std::string& hover, const std::string& pressed,
                    const std::string& sprites) override;
  void ReleasePictures() override;
  void CopyToWindow(Surface from, Rect source, Point to) override;
  void CopyToSurface(Surface from, Rect source, Surface into, Point to) override;

 private:
  HWND panel_ = nullptr;
  HDC paintDc_ = nullptr;
  HBITMAP bitmaps_[4] = {};
  HDC surfaces_[4] = {};
  HGDIOBJ original_[4] = {};
};

class Win32Shell : public Shell {
 public:
  std::uint32_t QuerySystemFlag(std::uint32_t getAction) override;
  bool SetSystemFlag(std::uint32_t setAction, std::uint32_t value) override;
  bool RegisterHotKey(WindowRef window, int id, std::uint32_t modifiers,
                      std::uint32_t virtualKey) override;
  void StartProgram(const std::string& commandLine, int showState) override;
  void LoadAcceleratorTable(int resourceId) override;
  HACCEL Accelerators() const { return accelerators_; }
  std::optional<RegistryValue> ReadMachineValue(const std::string& key,
                                                const std::string& value) override;
  bool CreateTooltips(WindowRef window, const std::vector<Tooltip>& tools,
                      TooltipDelays delays) override;
  void DestroyTooltips() override;
  bool HasTooltips() override { return tooltips_ != nullptr; }
  bool AddTrayIcon(WindowRef window, int iconId, std::uint32_t callbackMessage,
                   const std::string& tip) override;
  void RemoveTrayIcon(WindowRef window, int iconId) override;
  void ShowPopupMenu(WindowRef owner, int menu, const std::vector<MenuItemText>& items) override;
  std::optional<std::string> BrowseForFolder(WindowRef owner, const std::string& title) override;

 private:
  HWND tooltips_ = nullptr;
  HACCEL accelerators_ = nullptr;
};

class Win32CaptureEnumerator : public CaptureEnumerator {
 public:
  VideoInputDevices ListVideoInputDevices() override;
};

// The winmm mixer; the device stays open until the platform goes.
class Win32Mixer : public MixerDevice {
 public:
  Win32Mixer() = default;
  Win32Mixer(const Win32Mixer&) = delete;
  Win32Mixer& operator=(const Win32Mixer&) = delete;
  ~Win32Mixer() override;
  std::uint32_t DeviceCount() override;
  bool Open(std::uint32_t device, WindowRef notify) override;
  std::optional<MixerCaps> Capabilities(std::uint32_t device) override;
  std::optional<MixerLine> LineOfType(MixerLineType type) override;
  std::optional<MixerLine> Destination(std::uint32_t index) override;
  std::optional<MixerLine> Source(std::uint32_t destination, std::uint32_t index) override;
  std::optional<MixerControl> ControlOfType(std::uint32_t lineId, MixerControlType type) override;
  std::optional<MixerControl> FirstControl(std::uint32_t lineId) override;
  std::vector<std::string> ItemNames(const MixerControl& control) override;
  std::vector<bool> ItemStates(const MixerControl& control) override;
  bool SetItemStates(const MixerControl& control, const std::vector<bool>& states) override;
  bool SetValues(std::uint32_t controlId, std::span<const std::uint32_t> perChannel) override;

 private:
  void* mixer_ = nullptr;  // HMIXER; <mmsystem.h> stays out of this header
};

class Win32ListViews : public ListViews {
 public:
  void AddColumn(WindowRef list, int column, const std::string& title, int widthPx) override;
  void NewImageList(WindowRef list, ImageSet set, Size imageSize, int initial, int grow) override;
  int AddPictureFile(WindowRef list, ImageSet set, const std::string& path) override;
  int AddBlankImage(WindowRef list, ImageSet set) override;
  int AddIcon(WindowRef list, ImageSet set, int iconResource) override;
  void RemoveAllImages(WindowRef list, ImageSet set) override;
  int InsertItem(WindowRef list, const ListItem& item) override;
  void SetSubItem(WindowRef list, int item, int column, const std::string& text) override;
  void DeleteAllItems(WindowRef list) override;
  int ItemCount(WindowRef list) override;
  std::string ItemText(WindowRef list, int item, int column, std::uint32_t capacity) override;
  std::vector<int> SelectedItems(WindowRef list) override;
  int SelectionMark(WindowRef list) override;
  void Sort(WindowRef list, const Compare& compare) override;
  void Arrange(WindowRef list) override;
  void SetViewMode(WindowRef list, ListViewMode mode) override;
  void HoldRedraw(WindowRef list, bool hold) override;
};

class Win32FileOperations : public FileOperations {
 public:
  std::vector<FoundFile> FindFiles(const std::string& pattern) override;
  bool Copy(const std::string& from, const std::string& to) override;
  bool Delete(const std::string& path) override;
  void OpenWithShell(const std::string& path) override;
  std::optional<std::string> AskSaveName(const SaveRequest& request) override;
  std::string SystemDirectory() override;
  bool SendDocuments(const std::string& library, const std::string& delimiter,
                     const std::string& paths, const std::string& names) override;
};

// All of them together, as the program hands them to the behaviour.
struct Win32Platform {
  Win32Profile profile;
  Win32Messenger messenger;
  Win32Timers timers;
  Win32Clock clock;
  Win32MessageBoxes messageBoxes;
  Win32FileSystem files;
  Win32WindowManager windows;
  Win32Graphics graphics;
  Win32Shell shell;
  Win32CaptureEnumerator captureDevices;
  Win32Dialogs dialogs;
  Win32Mixer mixer;
  Win32ListViews lists;
  Win32FileOperations fileOps;
  Platform platform{profile,  messenger, timers,         clock,   messageBoxes, files, windows,
                    graphics, shell,     captureDevices, dialogs, mixer,        lists, fileOps};

  // The panel window exists: the pieces that act on it learn its handle.
  void SetPanel(HWND panel) {
    timers.SetWindow(panel);
    windows.SetPanel(panel);
    graphics.SetPanel(panel);
  }
};

}  // namespace tv::win32
