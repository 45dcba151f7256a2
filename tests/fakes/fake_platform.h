#pragma once
// The whole fake platform of one test: a private folder standing for drive C:, win.ini in it,
// virtual time, logged messages and the recording fakes of the desktop.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/ini_file.h"
#include "fakes/fake_dialogs.h"
#include "fakes/temp_dir.h"
#include "platform/platform.h"
#include "platform/tuner_library.h"

namespace tv::fakes {

// The elements of a list that pass a test, in order.
template <class T, class Keep>
std::vector<T> KeptOf(const std::vector<T>& all, Keep keep) {
  std::vector<T> kept;
  std::copy_if(all.begin(), all.end(), std::back_inserter(kept), keep);
  return kept;
}

// The oldest scripted answer, taken from the queue; nullopt once they run out.
template <class T>
std::optional<T> TakeFirst(std::deque<T>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<T> first = std::move(queue.front());
  queue.pop_front();
  return first;
}

// Nothing runs until the test advances time; timers then fire in time order, repeat until
// stopped, and ticks missed while the thread slept are delivered once.
struct VirtualTime : Clock, Timers {
  VirtualTime() { SetLocalTime(2026, 1, 15, 10, 0, 0); }
  void Start(std::uint32_t id, std::uint32_t periodMs) override {
    timers_[id] = Timer{periodMs, nowMs_ + periodMs, ++generation_};
  }
  void Stop(std::uint32_t id) override { timers_.erase(id); }
  void Sleep(std::uint32_t ms) override { nowMs_ += sleeps_.emplace_back(ms); }
  LocalTime Now() override;
  std::uint32_t TickMs() override { return static_cast<std::uint32_t>(nowMs_); }
  std::function<void(std::uint32_t id)> onTimer;  // every tick, as the panel's timer entry
  std::function<void()> onIdle;  // between ticks, to deliver posts as a message loop would
  void Advance(std::uint32_t ms);
  void SetLocalTime(int year, int month, int day, int hour, int minute, int second);
  bool IsRunning(std::uint32_t id) const { return timers_.count(id) != 0; }
  std::uint32_t PeriodOf(std::uint32_t id) const {
    return IsRunning(id) ? timers_.at(id).periodMs : 0;
  }
  const std::vector<std::uint32_t>& Sleeps() const { return sleeps_; }

 private:
  struct Timer {
    std::uint32_t periodMs;
    std::uint64_t dueMs, generation;  // generation: the order timers were started in
  };
  std::map<std::uint32_t, Timer> timers_;
  std::uint64_t nowMs_ = 0, generation_ = 0;
  long long epochSecondsAtStart_ = 0;  // local wall-clock time at nowMs_ == 0
  std::vector<std::uint32_t> sleeps_;
};

// Profile calls against the portable INI layer, with Windows paths mapped into a test folder:
// "C:\Tv\Settings.ini" is <root>/c/tv/settings.ini (lower case, as Windows ignores case).
struct FakeProfile : Profile, FileSystem {
  explicit FakeProfile(std::filesystem::path root) : root_(std::move(root)) {}
  bool ChangeDirectory(const std::string& path) override { return current_ = path, true; }
  std::string CurrentDirectory() override { return current_; }
  // Free space answers by the exact path asked for; other paths fail. Every question is kept.
  std::optional<std::uint64_t> FreeBytesAt(const std::string& path) override {
    spaceQueries.push_back(path);
    return freeBytes.count(path) ? std::optional(freeBytes.at(path)) : std::nullopt;
  }
  // Deletes the host file unless the test holds it open (held).
  bool RemoveFile(const std::string& path) override {
    removed.push_back(path);
    if (onRemove) onRemove();
    std::error_code ec;
    return std::find(held.begin(), held.end(), path) == held.end() &&
           std::filesystem::remove(HostPath(path), ec);
  }
  std::uint32_t ReadWinIni(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size) override {
    return ReadString(section, key, def, buffer, size, "win.ini");
  }
  bool WriteWinIni(const char* section, const char* key, const char* value) override {
    return WriteString(section, key, value, "win.ini");
  }
  std::uint32_t ReadString(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size, const char* file) override {
    return ini::GetString(section, key, def, buffer, size, HostPath(file).c_str());
  }
  int ReadInt(const char* section, const char* key, int def, const char* file) override {
    return ini::GetInt(section, key, def, HostPath(file).c_str());
  }
  bool WriteString(const char* section, const char* key, const char* value,
                   const char* file) override {
    return ini::WriteString(section, key, value, HostPath(file).c_str());
  }
  std::optional<std::string> ReadAll(const char* file) override {
    ++wholeReads;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(HostPath(file), ec)) return std::nullopt;
    return TempDir::ReadFile(HostPath(file));
  }
  // The host file behind a Windows path, for setting up and inspecting files in tests.
  std::filesystem::path HostPath(const std::string& windowsPath) const;
  int wholeReads = 0;  // ReadAll calls
  std::map<std::string, std::uint64_t> freeBytes;
  std::vector<std::string> spaceQueries, held;  // held: Windows paths another process keeps open
  std::vector<std::string> removed;             // every RemoveFile, done or not
  std::function<void()> onRemove;  // runs at each RemoveFile, to see what happened before

 private:
  std::filesystem::path root_;
  std::string current_ = "C:\\";
};

// Every post and send is logged in order. A window's handler runs during a send, and may send
// back before it returns, or when posted messages are dispatched.
enum class Delivery { Posted, Sent };

struct LoggedMessage {
  WindowRef to;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  Delivery delivery = Delivery::Posted;
  bool IsCommand(std::uint16_t id) const {
    return message == kWmCommand && (wParam & 0xFFFF) == id;
  }
};

using WindowHandler = std::function<std::intptr_t(std::uint32_t message, std::uintptr_t wParam,
                                                  std::intptr_t lParam)>;

struct FakeMessenger : Messenger {
  // A top-level window; without a handler it accepts and ignores everything.
  WindowRef AddWindow(std::string className, std::string title, WindowHandler handler = {}) {
    windows_[nextId_] = Window{std::move(className), std::move(title), std::move(handler)};
    return WindowRef{std::exchange(nextId_, nextId_ + 0x10)};
  }
  void SetHandler(WindowRef window, WindowHandler handler) {
    windows_.at(window.id).handler = std::move(handler);
  }
  void RemoveWindow(WindowRef window) { windows_.erase(window.id); }
  WindowRef Find(const char* className, const char* title) override {
    for (const auto& [id, window] : windows_)
      if ((!className || window.className == className) && (!title || window.title == title))
        return WindowRef{id};
    return {};
  }
  bool Post(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override {
    if (Logged({to, message, wParam, lParam, Delivery::Posted})) queue_.push_back(log_.back());
    return windows_.count(to.id) != 0;
  }
  std::intptr_t Send(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override {
    return Logged({to, message, wParam, lParam, Delivery::Sent}) ? Deliver(log_.back()) : 0;
  }
  // Delivers queued posts, oldest first, including posts made while delivering.
  void DispatchPosted() {
    while (std::optional<LoggedMessage> next = TakeFirst(queue_))
      if (windows_.count(next->to.id) != 0) Deliver(*next);
  }
  const std::vector<LoggedMessage>& Log() const { return log_; }
  std::vector<LoggedMessage> LogTo(WindowRef window) const {
    return KeptOf(log_, [&](const LoggedMessage& m) { return m.to == window; });
  }
  std::vector<std::uint16_t> CommandsTo(WindowRef window) const {
    std::vector<std::uint16_t> ids;
    for (const auto& m : LogTo(window))
      if (m.message == kWmCommand) ids.push_back(static_cast<std::uint16_t>(m.wParam & 0xFFFF));
    return ids;
  }
  void ClearLog() { log_.clear(); }

 private:
  struct Window {
    std::string className, title;
    WindowHandler handler;
  };
  // Logs a message to a window that exists; false for the others.
  bool Logged(const LoggedMessage& m) {
    return windows_.count(m.to.id) != 0 && (log_.push_back(m), true);
  }
  std::intptr_t Deliver(LoggedMessage m) {
    // Copy: the handler may add or remove windows while it runs.
    const WindowHandler handler = windows_[m.to.id].handler;
    return handler ? handler(m.message, m.wParam, m.lParam) : 0;
  }
  std::map<std::uintptr_t, Window> windows_;
  std::uintptr_t nextId_ = 0x100;
  std::vector<LoggedMessage> log_;
  std::deque<LoggedMessage> queue_;
};

// Message boxes recorded and answered as a user pressing Enter would: OK, or Yes.
struct ShownMessageBox {
  WindowRef owner;
  std::string text;
  std::optional<std::string> caption;  // nullopt: the platform's default caption
  std::uint32_t style = 0;
};

struct FakeMessageBoxes : MessageBoxes {
  int Show(WindowRef owner, const char* text, const char* caption, std::uint32_t style) override {
    shown_.push_back({owner, text ? text : "",
                      caption ? std::optional<std::string>(caption) : std::nullopt, style});
    if (whileShown) whileShown();
    return TakeFirst(answers).value_or((style & 0xF) == kMbYesNo ? kIdYes : kIdOk);
  }
  std::deque<int> answers;           // scripted answers, oldest first; then the Enter key's
  std::function<void()> whileShown;  // runs while a box is up, to see the state it sees
  const std::vector<ShownMessageBox>& Shown() const { return shown_; }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& box : shown_) texts.push_back(box.text);
    return texts;
  }

 private:
  std::vector<ShownMessageBox> shown_;
};

// The state of every window touched, and the operations in order ("Destroy 0x9000").
inline std::string Hex(WindowRef window) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(window.id));
  return text;
}

struct FakeWindowState {
  bool visible = false, destroyed = false;
  int lastShow = -1, invalidations = 0;
  ScreenRect rect;
  std::optional<bool> topmost;  // nullopt: never set
  std::vector<Point> region;    // the last outline given
};

struct FakeWindowManager : WindowManager {
  void Show(WindowRef window, int showState) override {
    FakeWindowState& state = Log("Show", window);
    state.visible = (state.lastShow = showState) != kSwHide && showState != kSwMinimize;
  }
  void SetTopmost(WindowRef window, bool on) override { Log("Topmost", window).topmost = on; }
  void Resize(WindowRef window, int width, int height) override {
    ScreenRect& r = Log("Resize", window).rect;
    r = ScreenRect{r.left, r.top, r.left + width, r.top + height};
  }
  void Move(WindowRef window, int x, int y, int width, int height, bool) override {
    Log("Move", window).rect = ScreenRect{x, y, x + width, y + height};
  }
  ScreenRect WindowRect(WindowRef window) override { return State(window).rect; }
  Size ScreenSize() override { return Size{1024, 768}; }
  bool SetRegion(WindowRef window, const std::vector<Point>& polygon) override {
    Log("Region", window).region = polygon;
    return polygon.size() >= 3;  // as a region needs
  }
  void BringToForeground(WindowRef window) override { Log("Foreground", foreground = window); }
  void SetFocus(WindowRef window) override { Log("Focus", focus = window); }
  void Invalidate(WindowRef window) override { ++Log("Invalidate", window).invalidations; }
  void UpdateNow(WindowRef window) override { Log("Update", window); }
  void Destroy(WindowRef window) override {
    FakeWindowState& state = Log("Destroy", window);
    state.destroyed = true;
    state.visible = false;
  }
  void CaptureMouse(WindowRef window) override { captured = window; }
  void ReleaseMouse() override { captured = {}; }
  void SetCursor(Cursor shape) override { cursor = shape; }
  WindowRef CreateList(ListWindow) override {
    const WindowRef list{0x9000 + 0x10 * static_cast<std::uintptr_t>(listsCreated++)};
    return Log("CreateList", list), list;
  }
  FakeWindowState& State(WindowRef window) { return windows_[window.id]; }
  std::vector<std::string> EventsStartingWith(const std::string& prefix) const {
    return KeptOf(events, [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
  }
  std::vector<std::string> events;
  WindowRef captured, foreground, focus;
  Cursor cursor = Cursor::Arrow;
  int listsCreated = 0;

 private:
  FakeWindowState& Log(const std::string& what, WindowRef window) {
    events.push_back(what + " " + Hex(window));
    return State(window);
  }
  std::map<std::uintptr_t, FakeWindowState> windows_;
};

// Skin pictures recorded: the files loaded, and every rectangle copy in order.
struct Copy {
  Surface from = Surface::Normal;
  Rect source;
  std::optional<Surface> into;  // nullopt: onto the window
  Point to;
  friend bool operator==(const Copy&, const Copy&) = default;
};

struct LoadedPictures {
  std::string normal;
};

struct FakeGraphics : SkinGraphics {
  void LoadPictures(const std::string& normal, const std::string&, const std::string&,
                    const std::string&) override {
    loads.push_back(LoadedPictures{normal});
  }
  void ReleasePictures() override { ++releases; }
  void CopyToWindow(Surface from, Rect source, Point to) override {
    copies_.push_back(Copy{from, source, std::nullopt, to});
  }
  void CopyToSurface(Surface from, Rect source, Surface into, Point to) override {
    copies_.push_back(Copy{from, source, into, to});
  }
  std::vector<Copy> WindowCopies() const { return CopiesInto(std::nullopt); }
  std::vector<Copy> CopiesInto(std::optional<Surface> surface) const {
    return KeptOf(copies_, [&](const Copy& c) { return c.into == surface; });
  }
  void ClearCopies() { copies_.clear(); }
  std::vector<LoadedPictures> loads;
  int releases = 0;

 private:
  std::vector<Copy> copies_;
};

// System flags as a table, started programs, tooltips and the tray icon, calls in order.
struct StartedProgram {
  std::string commandLine;
  int showState = 0;
};

struct FakeShell : Shell {
  std::uint32_t QuerySystemFlag(std::uint32_t getAction) override {
    events.push_back("Query " + std::to_string(getAction));
    return systemFlags[getAction];
  }
  bool SetSystemFlag(std::uint32_t setAction, std::uint32_t value) override {
    events.push_back("Set " + std::to_string(setAction) + " " + std::to_string(value));
    return systemSets.emplace_back(setAction, value), true;
  }
  struct HotKey {
    WindowRef window;
    int id;
    std::uint32_t modifiers, virtualKey;
    friend bool operator==(const HotKey&, const HotKey&) = default;
  };
  bool RegisterHotKey(WindowRef window, int id, std::uint32_t modifiers,
                      std::uint32_t virtualKey) override {
    return hotKeys.push_back(HotKey{window, id, modifiers, virtualKey}), true;
  }
  void LoadAcceleratorTable(int resourceId) override {
    events.push_back("LoadAcceleratorTable " + std::to_string(resourceId));
  }
  void StartProgram(const std::string& commandLine, int showState) override {
    started.push_back(StartedProgram{commandLine, showState});
  }
  bool CreateTooltips(WindowRef, const std::vector<Tooltip>& newTools, TooltipDelays) override {
    events.push_back("CreateTooltips");
    tools = newTools;
    return tooltipsAlive = true;
  }
  void DestroyTooltips() override {
    events.push_back("DestroyTooltips");
    tooltipsAlive = false;
    tools.clear();
  }
  bool HasTooltips() override { return tooltipsAlive; }
  bool AddTrayIcon(WindowRef, int, std::uint32_t, const std::string& tip) override {
    events.push_back("AddTrayIcon");
    trayTip = tip;
    return trayIcon = true;
  }
  void RemoveTrayIcon(WindowRef, int) override {
    events.push_back("RemoveTrayIcon");
    trayIcon = false;
  }
  void ShowPopupMenu(WindowRef, int, const std::vector<MenuItemText>&) override {}
  // Answers the scripted folders in order; cancelled once they run out.
  std::optional<std::string> BrowseForFolder(WindowRef owner, const std::string& title) override {
    folderBrowses.push_back(Hex(owner) + " " + title);
    return TakeFirst(folderAnswers).value_or(std::nullopt);
  }
  std::optional<RegistryValue> ReadMachineValue(const std::string& key,
                                                const std::string& value) override {
    registryReads.push_back(key + "|" + value);
    if (machineKeys.count(key) == 0) return std::nullopt;
    const auto v = machineKeys[key].find(value);
    return v == machineKeys[key].end() ? RegistryValue{} : v->second;
  }
  std::vector<HotKey> hotKeys;
  std::deque<std::optional<std::string>> folderAnswers;
  std::vector<std::string> folderBrowses;  // "owner title", in order
  // HKEY_LOCAL_MACHINE: key -> value name -> value.
  std::map<std::string, std::map<std::string, RegistryValue>> machineKeys;
  std::vector<std::string> registryReads;
  std::map<std::uint32_t, std::uint32_t> systemFlags;               // values of the "get" actions
  std::vector<std::pair<std::uint32_t, std::uint32_t>> systemSets;  // (action, value) in order
  std::vector<StartedProgram> started;
  bool tooltipsAlive = false, trayIcon = false;
  std::vector<Tooltip> tools;
  std::string trayTip;
  std::vector<std::string> events;
};

// Capture devices as a test plugs them in, in the enumerator's order.
struct FakeCaptureEnumerator : CaptureEnumerator {
  VideoInputDevices ListVideoInputDevices() override {
    return {names_.empty() ? CaptureListing::NoDevices : CaptureListing::Listed, names_};
  }
  void Plug(std::string name) { names_.emplace_back(std::move(name)); }
  void PlugNameless() { names_.emplace_back(std::nullopt); }

 private:
  std::vector<std::optional<std::string>> names_;
};

// A property sheet while it runs: pages are made when first shown. Posts to the sheet window
// (found by its caption) go to the page it shows, as the real sheet passes them on.
class FakeSheet {
 public:
  FakeSheet(const SheetHeader& sheet, FakeMessenger* messenger);
  ~FakeSheet();
  FakeSheet(const FakeSheet&) = delete;
  FakeSheet& operator=(const FakeSheet&) = delete;
  // Shows a page: created (OnInit) the first time, then told it is active.
  FakeDialog& Show(int index);
  WindowRef Window() const { return window_; }

 private:
  WindowRef AddWindow(const std::string& title, std::function<FakeDialog*()> target);
  FakeDialog* Page(int index) { return pages_.at(static_cast<std::size_t>(index)).get(); }
  const SheetHeader& sheet_;
  FakeMessenger* messenger_;
  WindowRef window_;
  std::vector<std::unique_ptr<FakeDialog>> pages_;
  std::vector<WindowRef> windows_;
  int active_ = -1;
};

// Modal runs are answered with OK unless a test scripts them; sheets show their start page
// and close, unless a test scripts what the user does while one is open.
struct FakeDialogs : Dialogs {
  int RunModal(int templateId, WindowRef, DialogHandler& handler) override {
    modalTemplates.push_back(templateId);
    FakeDialog dialog;
    dialog.Attach(handler);
    dialog.Start();
    whileModal ? whileModal(dialog) : dialog.Click(kIdDialogOk);
    dialog.Destroy();
    return dialog.result.value_or(-1);
  }
  int RunPropertySheet(WindowRef owner, const SheetHeader& sheet) override {
    sheets.push_back(sheet);
    sheetOwners.push_back(owner);
    FakeSheet running(sheet, messenger);
    running.Show(sheet.startPage);
    if (whileSheetOpen) whileSheetOpen(running);
    return 1;
  }
  std::function<void(FakeDialog&)> whileModal;
  std::function<void(FakeSheet&)> whileSheetOpen;
  std::vector<int> modalTemplates;  // every RunModal, in order
  std::vector<SheetHeader> sheets;
  std::vector<WindowRef> sheetOwners;
  FakeMessenger* messenger = nullptr;  // where open dialogs are windows that take posts
};

// A scripted sound card: destinations, source lines and a recording selector.
struct FakeSourceLine {
  std::string shortName;
  std::optional<std::uint32_t> muteControl;
};

struct FakeDestination {
  MixerLineType type = MixerLineType::Other;
  std::uint32_t channels = 2;
  std::map<MixerControlType, std::uint32_t> controls{};  // of the line itself: volume, bass...
  std::vector<FakeSourceLine> sources{};
  // When not empty, the line's first control is a list of these items: the recording selector.
  std::vector<std::string> items{};
  std::vector<bool> itemStates{};
};

struct FakeSoundCard {
  std::string productName;
  std::vector<FakeDestination> destinations;
  bool opens = true, capabilitiesReadable = true;
};

struct FakeMixer : MixerDevice {
  // Speakers (two channels; volume 1, bass 2, treble 3; sources CD/11, Line/12, Mic/13) and a
  // wave-in destination whose selector lists CD, Line, Mic, Mix with Mic selected.
  static FakeSoundCard TypicalCard() {
    using enum MixerControlType;
    return FakeSoundCard{"Typical Sound Card",
                         {{.type = MixerLineType::Speakers,
                           .controls = {{Volume, 1}, {Bass, 2}, {Treble, 3}},
                           .sources = {{"CD", 11}, {"Line", 12}, {"Mic", 13}}},
                          {.type = MixerLineType::WaveIn,
                           .items = {"CD", "Line", "Mic", "Mix"},
                           .itemStates = {false, false, true, false}}}};
  }
  std::uint32_t DeviceCount() override { return static_cast<std::uint32_t>(cards.size()); }
  bool Open(std::uint32_t device, WindowRef notify) override {
    ++openCalls;
    card_ = device < cards.size() && cards[device].opens ? &cards[device] : nullptr;
    notifyWindow = notify;
    return card_ != nullptr;
  }
  std::optional<MixerCaps> Capabilities(std::uint32_t device) override {
    const FakeSoundCard& card = cards[device];
    if (!card.capabilitiesReadable) return std::nullopt;
    return MixerCaps{card.productName, static_cast<std::uint32_t>(card.destinations.size())};
  }
  std::optional<MixerLine> LineOfType(MixerLineType type) override {
    for (std::uint32_t d = 0; d < card_->destinations.size(); ++d)
      if (card_->destinations[d].type == type) return Destination(d);
    return std::nullopt;
  }
  // Line ids: destination d is (d + 1) << 16, its source s is that plus s + 1.
  std::optional<MixerLine> Destination(std::uint32_t index) override {
    const FakeDestination& dest = card_->destinations.at(index);
    const auto sources = static_cast<std::uint32_t>(dest.sources.size());
    return MixerLine{(index + 1) << 16, index, dest.type, dest.channels, sources, "Destination"};
  }
  std::optional<MixerLine> Source(std::uint32_t destination, std::uint32_t index) override {
    const std::uint32_t id = ((destination + 1) << 16) + index + 1;
    const FakeDestination& dest = Line(id);
    return MixerLine{
        id, destination, MixerLineType::Other, dest.channels, 0, dest.sources.at(index).shortName};
  }
  std::optional<MixerControl> ControlOfType(std::uint32_t lineId, MixerControlType type) override {
    const FakeDestination& dest = Line(lineId);
    const std::uint32_t s = lineId & 0xFFFF;
    std::optional<std::uint32_t> id;
    if (s != 0 && type == MixerControlType::Mute) id = dest.sources.at(s - 1).muteControl;
    if (s == 0 && dest.controls.count(type) != 0) id = dest.controls.at(type);
    return id ? std::optional(MixerControl{*id, 0}) : std::nullopt;
  }
  // The selector's control id is its line id.
  std::optional<MixerControl> FirstControl(std::uint32_t lineId) override {
    const auto items = static_cast<std::uint32_t>(Line(lineId).items.size());
    return items == 0 ? std::nullopt : std::optional(MixerControl{lineId, items});
  }
  std::vector<std::string> ItemNames(const MixerControl& c) override { return Line(c.id).items; }
  std::vector<bool> ItemStates(const MixerControl& c) override { return Line(c.id).itemStates; }
  bool SetItemStates(const MixerControl& c, const std::vector<bool>& states) override {
    return Line(c.id).itemStates = states, true;
  }
  bool SetValues(std::uint32_t controlId, std::span<const std::uint32_t> perChannel) override {
    sets.push_back(controlId);
    values_[controlId].assign(perChannel.begin(), perChannel.end());
    return card_ != nullptr;
  }
  std::optional<std::vector<std::uint32_t>> ValuesOf(std::uint32_t control) const {
    return values_.count(control) ? std::optional(values_.at(control)) : std::nullopt;
  }
  std::vector<FakeSoundCard> cards;
  WindowRef notifyWindow;
  int openCalls = 0;                // every Open, one or more per set-up
  std::vector<std::uint32_t> sets;  // the control of every SetValues, in order

 private:
  FakeDestination& Line(std::uint32_t lineId) { return card_->destinations.at((lineId >> 16) - 1); }
  FakeSoundCard* card_ = nullptr;
  std::map<std::uint32_t, std::vector<std::uint32_t>> values_;
};

// A scripted tuner library; calls are recorded in order, frequency questions with arguments.
struct FakeCountry {
  std::int32_t code = 0, standard = 0;
  std::int32_t airLowest = 0, airHighest = 0;
  std::int32_t cableLowest = 0, cableHighest = 0;
};

struct FreqInfoCall {
  std::int32_t code = 0;  // as passed in
  std::int32_t position = 0, band = 0, channel = 0, reserved1 = 0, reserved2 = 0;
  friend bool operator==(const FreqInfoCall&, const FreqInfoCall&) = default;
};

struct FakeTunerLibrary : TunerLibrary {
  bool present = true, hasFreqInfo = true, hasCountryInfo = true;
  std::int32_t countryCount = 0;  // the answer of GetContryInfo, whatever countries holds
  std::vector<FakeCountry> countries;
  bool Load(const char* fileName) override {
    events.push_back(std::string("load ") + fileName);
    return loaded_ = present;
  }
  bool Lookup(TunerEntry entry) override {
    const bool freq = entry == TunerEntry::FreqInfo;
    events.push_back(freq ? "lookup QvGetFreqInfo" : "lookup QvGetContryInfo");
    return loaded_ && (freq ? hasFreqInfo : hasCountryInfo);
  }
  void Release() override {
    events.push_back("release");
    loaded_ = false;
  }
  std::int32_t GetContryInfo() override { return countryCount; }
  std::int32_t GetFreqInfo(std::int32_t* code, std::int32_t* position, std::int32_t band,
                           std::int32_t channel, std::int32_t reserved1, std::int32_t* standard,
                           std::int32_t* highest, std::int32_t* lowest,
                           std::int32_t reserved2) override {
    calls.push_back(FreqInfoCall{*code, *position, band, channel, reserved1, reserved2});
    // Like a real library: out of range leaves the outputs alone.
    if (*position < 0 || *position >= static_cast<std::int32_t>(countries.size())) return -1001;
    const FakeCountry& c = countries[static_cast<std::size_t>(*position)];
    if (*code != -1 && *code != c.code) return -1002;
    *code = c.code;
    *standard = c.standard;
    *highest = band == 0 ? c.airHighest : c.cableHighest;
    *lowest = band == 0 ? c.airLowest : c.cableLowest;
    return 0;
  }
  std::vector<std::string> events;  // "load QvTV.dll", "lookup QvGetFreqInfo", "release", ...
  std::vector<FreqInfoCall> calls;

 private:
  bool loaded_ = false;
};

// The capture folder and the shell in memory: files placed by the test (name case kept, size
// and time as given), found in the order they were placed, and the shell's answers scripted.
struct FakeFile {
  std::string name, bytes;
  std::uint64_t size = 0, order = 0;
  FileStamp stamp;
  bool readOnly = false;
};
struct SentMail {
  std::string library, delimiter, paths, names;
};

struct FakeFileOperations : FileOperations {
  // A file at a Windows path; its size is the bytes' length unless given.
  void Place(const std::string& path, std::string bytes, FileStamp stamp = {2026, 1, 15, 10, 0, 0},
             std::optional<std::uint64_t> size = std::nullopt);
  FakeFile* Find(const std::string& path);
  // The names left in a folder, in placing order.
  std::vector<std::string> Names(const std::string& dir) const;
  std::vector<FoundFile> FindFiles(const std::string& pattern) override;
  bool Copy(const std::string& from, const std::string& to) override;
  bool Delete(const std::string& path) override;
  void OpenWithShell(const std::string& path) override { opened.push_back(path); }
  std::optional<std::string> AskSaveName(const SaveRequest& request) override {
    return saveRequests.push_back(request), saveAnswer;
  }
  std::string SystemDirectory() override { return "C:\\windows\\system32"; }
  bool SendDocuments(const std::string& library, const std::string& delimiter,
                     const std::string& paths, const std::string& names) override {
    return mails.push_back(SentMail{library, delimiter, paths, names}), true;
  }
  std::vector<std::string> opened;
  std::vector<SaveRequest> saveRequests;
  std::optional<std::string> saveAnswer;  // nullopt: the user cancels
  std::vector<SentMail> mails;

 private:
  std::map<std::string, FakeFile> files_;  // by lower-case full path
  std::uint64_t placed_ = 0;
};

// List windows keep their columns, images and items, so a test reads what a user would see.
// An image is named "picture PATH", "blank" or "icon N".
struct FakeListItem {
  std::string text;
  int image = 0;
  std::intptr_t param = 0;
  std::map<int, std::string> subItems;
  bool selected = false;
};
struct FakeList {
  std::vector<std::pair<std::string, int>> columns;  // title, width
  std::map<ImageSet, std::vector<std::string>> images;
  std::map<ImageSet, Size> imageSize;
  std::vector<FakeListItem> items;
  std::optional<ListViewMode> mode;
  int imageLists = 0, mark = -1, arranges = 0, sorts = 0;  // imageLists: image lists made
  int redrawHeld = 0, repaints = 0;                        // holds not yet released; releases
};

struct FakeListViews : ListViews {
  explicit FakeListViews(FakeFileOperations& files) : files_(files) {}
  void AddColumn(WindowRef list, int column, const std::string& title, int widthPx) override {
    auto& columns = lists[list.id].columns;
    columns.insert(columns.begin() + std::min<std::size_t>(column, columns.size()),
                   {title, widthPx});
  }
  void NewImageList(WindowRef list, ImageSet set, Size imageSize, int, int) override {
    FakeList& l = lists[list.id];
    l.images[set].clear();
    l.imageSize[set] = imageSize;
    ++l.imageLists;
  }
  // A bitmap file starts with "BM" and holds at least its two headers (54 bytes).
  int AddPictureFile(WindowRef list, ImageSet set, const std::string& path) override {
    const FakeFile* file = files_.Find(path);
    if (file == nullptr || file->bytes.size() < 54 || file->bytes.rfind("BM", 0) != 0) return -1;
    return Add(list, set, "picture " + path);
  }
  int AddBlankImage(WindowRef list, ImageSet set) override { return Add(list, set, "blank"); }
  int AddIcon(WindowRef list, ImageSet set, int icon) override {
    return Add(list, set, "icon " + std::to_string(icon));
  }
  void RemoveAllImages(WindowRef list, ImageSet set) override {
    lists[list.id].images[set].clear();
  }
  int InsertItem(WindowRef list, const ListItem& item) override {
    auto& items = lists[list.id].items;
    const auto at = std::min<std::size_t>(std::max(0, item.position), items.size());
    items.insert(items.begin() + at, FakeListItem{item.text, item.image, item.param, {}, false});
    return static_cast<int>(at);
  }
  void SetSubItem(WindowRef list, int item, int column, const std::string& text) override {
    lists[list.id].items.at(static_cast<std::size_t>(item)).subItems[column] = text;
  }
  void DeleteAllItems(WindowRef list) override {
    lists[list.id].items.clear();
    lists[list.id].mark = -1;
  }
  int ItemCount(WindowRef list) override { return static_cast<int>(lists[list.id].items.size()); }
  std::string ItemText(WindowRef list, int item, int column, std::uint32_t capacity) override {
    const auto& items = lists[list.id].items;
    if (item < 0 || static_cast<std::size_t>(item) >= items.size() || capacity == 0) return {};
    const FakeListItem& it = items[static_cast<std::size_t>(item)];
    const auto sub = it.subItems.find(column);
    const std::string text = column == 0 ? it.text : sub == it.subItems.end() ? "" : sub->second;
    return text.substr(0, capacity - 1);
  }
  std::vector<int> SelectedItems(WindowRef list) override {
    std::vector<int> found;
    for (std::size_t i = 0; i < lists[list.id].items.size(); ++i)
      if (lists[list.id].items[i].selected) found.push_back(static_cast<int>(i));
    return found;
  }
  int SelectionMark(WindowRef list) override { return lists[list.id].mark; }
  void Sort(WindowRef list, const Compare& compare) override {
    auto& l = lists[list.id];
    ++l.sorts;
    std::stable_sort(l.items.begin(), l.items.end(),
                     [&](const auto& a, const auto& b) { return compare(a.param, b.param) < 0; });
  }
  void Arrange(WindowRef list) override { ++lists[list.id].arranges; }
  void SetViewMode(WindowRef list, ListViewMode mode) override { lists[list.id].mode = mode; }
  void HoldRedraw(WindowRef list, bool hold) override {
    lists[list.id].redrawHeld += hold ? 1 : -1;
    if (!hold) ++lists[list.id].repaints;
  }
  // As a user's click does: the item's state and the selection mark.
  void Select(WindowRef list, int item) {
    lists[list.id].items.at(static_cast<std::size_t>(item)).selected = true;
    lists[list.id].mark = item;
  }
  // Each item's text, or "text|sub1|sub2|..." with its sub-items.
  std::vector<std::string> Texts(WindowRef list, bool withSubItems = false) {
    std::vector<std::string> texts;
    for (const FakeListItem& item : lists[list.id].items) {
      texts.push_back(item.text);
      if (withSubItems)
        for (const auto& [column, text] : item.subItems) texts.back() += "|" + text;
    }
    return texts;
  }
  std::map<std::uintptr_t, FakeList> lists;

 private:
  int Add(WindowRef list, ImageSet set, std::string image) {
    auto& images = lists[list.id].images[set];
    images.push_back(std::move(image));
    return static_cast<int>(images.size()) - 1;
  }
  FakeFileOperations& files_;
};

struct FakePlatform {
  FakePlatform();
  // An installation folder that win.ini's [AP] points at, with Panel.ini and Settings.ini.
  std::string Install(const std::string& appDirectory = "C:\\Tv");
  std::string ReadFile(const std::string& windowsPath) const {
    return TempDir::ReadFile(profile.HostPath(windowsPath));
  }
  void WriteFile(const std::string& windowsPath, const std::string& bytes) const {
    TempDir::WriteFile(profile.HostPath(windowsPath), bytes);
  }
  TempDir root;
  FakeProfile profile{root.Path()};
  FakeProfile& files = profile;
  FakeMessenger messenger;
  VirtualTime time;
  FakeMessageBoxes messageBoxes;
  FakeWindowManager windows;
  FakeGraphics graphics;
  FakeShell shell;
  FakeCaptureEnumerator captureDevices;
  FakeDialogs dialogs;
  FakeMixer mixer;
  FakeFileOperations fileOps;
  FakeListViews lists{fileOps};
  Platform platform{profile,  messenger, time,           time,    messageBoxes, files, windows,
                    graphics, shell,     captureDevices, dialogs, mixer,        lists, fileOps};
};

}  // namespace tv::fakes
