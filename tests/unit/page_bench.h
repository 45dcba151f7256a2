#pragma once
// A settings page or dialog on a fake dialog over a panel harness, and the compact views of
// stored keys and sent commands the page tests compare.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/key_table.h"
#include "commands/command_gate.h"
#include "unit/panel/panel_harness.h"

namespace tv::testing {

using Lines = std::vector<std::string>;

// The commands a window got as "id lParam", sends marked " sent" when asked; any other message
// as "#message wParam lParam".
inline Lines CommandLog(const fakes::FakePlatform& fake, WindowRef window, bool markSends = true) {
  Lines got;
  for (const auto& m : fake.messenger.LogTo(window))
    got.push_back((m.message == kWmCommand ? "" : "#" + std::to_string(m.message) + " ") +
                  std::to_string(m.wParam) + " " + std::to_string(m.lParam) +
                  (markSends && m.delivery == fakes::Delivery::Sent ? " sent" : ""));
  return got;
}

// The values of "SECTION:key,SECTION:key" joined by "|", "-" for a missing key.
inline std::string Stored(const PanelContext& ctx, const std::string& names) {
  std::string joined;
  for (std::size_t at = 0; at <= names.size();) {
    const std::size_t colon = names.find(':', at),
                      end = std::min(names.find(',', at), names.size());
    joined += (at ? "|" : "") +
              ctx.settings.RawText(names.substr(at, colon - at).c_str(),
                                   names.substr(colon + 1, end - colon - 1).c_str(), "-", 300);
    at = end + 1;
  }
  return joined;
}

// The keys' values joined by " ", "-" for a missing key.
inline std::string Stored(const PanelContext& ctx, std::initializer_list<keys::Key> keys) {
  std::string joined;
  for (const keys::Key& key : keys) joined += ctx.settings.Text(key, "-", 300) + " ";
  return joined.substr(0, joined.size() - 1);
}

template <class Page>
struct PageBench {
  explicit PageBench(const std::string& settings = "", bool withVideo = true,
                     const std::string& panelIni = "")
      : h(panelIni) {
    if (!settings.empty()) h.fake.WriteFile(ctx.where.settingsIni, settings);
    if (withVideo) tv = h.AddVideoWindow();
  }
  // The panel's commands run as the panel runs them.
  void RunCommands() {
    h.onCommand = [this](std::uint16_t id, std::intptr_t l) { commands::OnCommand(ctx, id, l); };
  }
  // Opens the page on a new dialog; routed: the dialog has a window whose WM_COMMANDs reach it.
  void Open(bool routed = false) {
    WindowRef window{0xD1A0};
    if (routed)
      window = h.fake.messenger.AddWindow("#32770", "", [this](auto, std::uintptr_t w, auto l) {
        dialog->Notify(static_cast<int>(w & 0xFFFF), static_cast<int>(w >> 16), l);
        return std::intptr_t{0};
      });
    dialog = std::make_unique<fakes::FakeDialog>(window);
    dialog->notifyingEdits = notifyingEdits;
    dialog->Attach(page);
    dialog->Start();
  }
  void Set(const char* section, const char* key, const char* value) {  // value null: deleted
    ctx.settings.RawWrite(section, key, value);
  }
  fakes::FakeControl& C(int id) { return dialog->Control(id); }
  // The controls' texts joined by "|"; a flag of each as "0"/"1"; a list's items joined by
  // ","; selections joined by " ".
  std::string Texts(std::initializer_list<int> ids) {
    std::string s;
    for (int id : ids) s += C(id).text + "|";
    return s.substr(0, s.size() - 1);
  }
  std::string Flags(bool fakes::FakeControl::*flag, std::initializer_list<int> ids) {
    std::string s;
    for (int id : ids) s += C(id).*flag ? "1" : "0";
    return s;
  }
  std::string Items(int id) {
    std::string s;
    for (const std::string& item : C(id).items) s += item + ",";
    return s.substr(0, s.empty() ? 0 : s.size() - 1);
  }
  std::string Selections(std::initializer_list<int> ids) {
    std::string s;
    for (int id : ids) s += std::to_string(C(id).selection) + " ";
    return s.substr(0, s.size() - 1);
  }
  std::string Stored(const std::string& names) const { return testing::Stored(ctx, names); }
  std::string Stored(std::initializer_list<keys::Key> keys) const {
    return testing::Stored(ctx, keys);
  }
  Lines ToVideo(bool markSends = true) const { return CommandLog(h.fake, tv, markSends); }

  PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef tv;
  Page page{ctx};
  std::unique_ptr<fakes::FakeDialog> dialog;
  std::set<int> notifyingEdits;
};

}  // namespace tv::testing
