#pragma once
// A panel whose own commands and posted timers are handled as its window procedure would, a
// video window program, and read-backs of what the peer got and the LCD shows.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "panel/panel_timers.h"
#include "unit/panel/panel_harness.h"

namespace tv::testing {

class ChannelBench {
 public:
  ChannelBench() {
    fake.messenger.SetHandler(ctx.windows.panel,
                              [this](std::uint32_t message, std::uintptr_t w, std::intptr_t l) {
                                const auto id = static_cast<std::uint16_t>(w & 0xFFFF);
                                if (message == kWmCommand) commands::OnCommand(ctx, id, l);
                                if (message == kWmTimer) panel::OnTimer(ctx, id);
                                return std::intptr_t{0};
                              });
    fake.time.onTimer = [this](std::uint32_t id) { panel::OnTimer(ctx, id); };
  }

  void AddVideo() { video = h.AddVideoWindow(); }
  void Issue(cmd::Id id) { commands::OnCommand(ctx, id, 0); }
  // Each digit is followed by what it posted (the completion of the number).
  void Type(const std::vector<int>& digits) {
    for (int d : digits) {
      Issue(static_cast<cmd::Id>(cmd::kDigit0 + d));
      fake.messenger.DispatchPosted();
    }
  }

  // lParams of one command sent or posted to the video window, in order.
  std::vector<std::intptr_t> ToVideo(cmd::Id id) const {
    std::vector<std::intptr_t> values;
    for (const fakes::LoggedMessage& m : fake.messenger.LogTo(video))
      if (m.IsCommand(id)) values.push_back(m.lParam);
    return values;
  }
  // The LCD read back from the last glyph copied onto the window at each digit slot (-1: a
  // slot never drawn).
  int LcdChannel() const {
    using panel::Lcd;
    const int x = L(Lcd::OSD_TUNER_FIRSTNUM_X), y = L(Lcd::OSD_TUNER_FIRSTNUM_Y);
    const int spacing = L(Lcd::LCD_TV_CH_OFFSET);
    return Digits({{x - 2 * spacing, y}, {x - spacing, y}, {x, y}}, L(Lcd::OSD_NUMFORCH_X),
                  L(Lcd::OSD_NUMFORCH_Y), L(Lcd::CH_NUM_W));
  }
  int LcdFm() const {
    using panel::Lcd;
    return Digits({{L(Lcd::FM_NUM4_X), L(Lcd::FM_NUM4_Y)},
                   {L(Lcd::FM_NUM3_X), L(Lcd::FM_NUM3_Y)},
                   {L(Lcd::FM_NUM2_X), L(Lcd::FM_NUM2_Y)},
                   {L(Lcd::FM_NUM1_X), L(Lcd::FM_NUM1_Y)}},
                  L(Lcd::FM_NUM_X), L(Lcd::FM_NUM_Y), L(Lcd::FM_NUM_W));
  }
  // "-" for a missing key.
  std::string Setting(const keys::Key& key) const { return ctx.settings.Text(key, "-", 40); }

  PanelHarness h;
  fakes::FakePlatform& fake = h.fake;
  PanelContext& ctx = h.ctx;
  WindowRef video;

 private:
  int L(panel::Lcd key) const { return ctx.layout.Value(key); }
  int Digits(const std::vector<Point>& slots, int glyph0X, int glyphY, int step) const {
    const std::string digits = h.LcdDigits(glyph0X, glyphY, step, slots);
    return digits.find('?') == std::string::npos ? std::stoi(digits) : -1;
  }
};

}  // namespace tv::testing
