// post_random N [SEED [SENT_PERCENT]]: a hostile peer for the end-to-end tests. Throws N random
// messages at the running panel, posted or (25 % unless told) sent with a time limit, so that a
// panel that stops answering cannot hang it:
//   - WM_COMMAND with random ids and lParams, half of them ids the panel knows and half any id
//     at all, some with a random high word;
//   - WM_TIMER with random ids (among them the panel's own) and, posted, a random lParam, which
//     a plain dispatch would call as a timer procedure;
//   - WM_HOTKEY with ids other than the panel's own hot key (0, which would hide it);
//   - WM_NOTIFY whose lParam is no address in the panel's process: small numbers, the top of
//     the address space, this program's own stack, and numbers that do point at readable memory
//     there (the shared user data page, the panel's module).
// Prints the seed, a summary, and with a failure the last messages sent. Exits 0 when every
// message went out and the panel still answers, 1 when the panel is gone or stops answering.
// Left out: the command ids that end, hide or close the panel or the TV, open a modal dialog or
// message box, start another program or act on the captured files, and the record, time-shift,
// scan and preview starts, whose long runs would outlast it.
// Snapshots are left out too: each makes the card write the shared settings file, and
// thousands of them would measure the platform's profile writes rather than the panel.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>

#include "app/panel_context.h"
#include "commands/command_ids.h"
#include "panel/panel_timers.h"

namespace {

using namespace tv::cmd;

// clang-format off
constexpr Id kExcluded[] = {
    kPeerEndProgram, kTrayClose, kTrayShowHide, kCloseTv, kMinimize,  // end or hide
    kAbout, kSettings, kAudioSettings, kTeletext, kSchedule, kWebsite, kScan,  // dialogs, programs
    kFileEdit, kFileSaveAs, kFileDelete, kFileEmail, kFileDeleteAll, kFileEmailButton,
    kOpenSnapshot, kOpenMovie,       // captured files
    kRecord, kTimeShift, kPreview,   // long runs
    kSnapshot};  // the card writes the shared settings file for each

constexpr Id kDigit3 = kDigit0 + 3, kDigit7 = kDigit0 + 7;
// In three lists only for their layout: the order keeps the commands of a seed as they were.
constexpr Id kButtons[] = {
    kVolumeDown, kVolumeUp, kChannelDown, kChannelUp, kSourceComposite, kSourceSVideo, kSourceAir,
    kSourceCable, kSourceFm, kAddChannel, kRemoveChannel, kPlay, kForward, kBack, kPause, kStop,
    kMute, kSnapshot, kNextSkin, kDigit0, kDigit3, kDigit7, kDigit9, kRecall};
constexpr Id kModes[] = {
    kToggleDownPart, kListViewMode, kToggleSidePart, kAirCableSwitch, kCycleSource,
    kAudioAdjustMode, kVideoAdjustMode, kSoundModeKey, kPlus, kMinus, kFullScreen, kReopenTv,
    kRefillChannelList};
constexpr Id kFromPeers[] = {
    kPeerSnapshotDone, kPeerChannelChanged, kPeerScanEnded, kPeerReady, kPeerRecordingState,
    kPeerPreviewEnded, kPeerScheduleClosed, kPeerCapturedFile, kPeerFilesPanelClosed,
    kPeerRecordSize, kTimeShiftPosition, kPeerRecordTime, kPeerRecordingEnded, kPeerSnapshotDone2,
    kPeerPlaybackSeconds, kPeerSidePanels, kScheduleAsk, kScheduleActive, kPeerTunedChannel,
    kPeerAudioAnswer, kQueryRadio, kPeerReselectSource, kPeerAskTimeShiftStart, kPeerAudioDone,
    kPeerTvPageDone, kPeerRecordPageAnswer1, kPeerRecordPageAnswer2, kPeerSoundCardVolume};
// clang-format on

// Half the ids are the panel's own commands or what its peers send, half any id at all.
Id RandomId(std::mt19937& random) {
  if (random() % 2 != 0) return static_cast<Id>(random() & 0xFFFF);
  std::size_t i = random() % (std::size(kButtons) + std::size(kModes) + std::size(kFromPeers));
  if (i < std::size(kButtons)) return kButtons[i];
  i -= std::size(kButtons);
  return i < std::size(kModes) ? kModes[i] : kFromPeers[i - std::size(kModes)];
}

// Commands that fold, unfold, show or hide windows, the source switches among them (they show
// or hide the video window): with no window manager on the test screen the system waits up to
// two seconds for each window to leave it. They are rationed to one in kRationEvery messages,
// so that the storm stays a storm of commands rather than of waits.
// clang-format off
constexpr Id kRationed[] = {
    kToggleDownPart, kToggleSidePart, kPeerSidePanels, kNextSkin, kReopenTv, kFullScreen,
    kSourceComposite, kSourceSVideo, kSourceAir, kSourceCable, kSourceFm, kCycleSource,
    kAirCableSwitch, kPeerReselectSource};
// clang-format on
constexpr long kRationEvery = 2000;

template <std::size_t N>
bool In(const Id (&ids)[N], Id id) {
  return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

// Small values, the edges of 16 and 32 bits, and anything.
LPARAM RandomLParam(std::mt19937& random) {
  const std::int32_t kEdges[] = {0, 1, -1, 2, 6, 0xFFFF, 0x10000, 0x10001, INT32_MAX, INT32_MIN};
  const unsigned kind = random() % 3;
  if (kind == 0) return kEdges[random() % std::size(kEdges)];
  return kind == 1 ? static_cast<LPARAM>(random() % 200)
                   : static_cast<LPARAM>(static_cast<std::int32_t>(random()));
}

std::uint64_t Wide(std::mt19937& random) {
  return (static_cast<std::uint64_t>(random()) << 32) | random();
}

// Timer ids: the panel's own one-shot and periodic timers, small numbers, anything.
WPARAM RandomTimerId(std::mt19937& random) {
  using namespace tv::panel;
  // clang-format off
  constexpr std::uint32_t kOwn[] = {
      kPanelTick, kTimerAutoRepeat, kTimerDigitEntry, kTimerChannelDown, kTimerChannelUp,
      kTimerVideoAdjustEnd, kTimerVideoAdjustDown, kTimerVideoAdjustUp, kTimerFmUp, kTimerFmDown,
      kTimerTimeShiftBar, kTimerSeekThrottle, kTimerAudioAdjustEnd, kTimerAudioAdjustUp,
      kTimerAudioAdjustDown, kTimerRecordArm};
  // clang-format on
  const unsigned kind = random() % 3;
  if (kind == 0) return kOwn[random() % std::size(kOwn)];
  return kind == 1 ? static_cast<WPARAM>(random() % 300) : static_cast<WPARAM>(Wide(random));
}

// Numbers that are no notification in the panel's process. Some point at memory that is
// readable there, so that a check of the address alone is not enough.
LPARAM RandomNotifyPointer(std::mt19937& random) {
  int onStack = 0;
  // The shared user data page is in every process; 0x140000000 is where a 64-bit program's
  // image usually sits.
  // clang-format off
  const std::uint64_t kValues[] = {0, 1, 0x10, 0xFFFF, 0x10000, 0x7FFE0000, 0x140000000, 0x400000,
                                   0xDEADBEEF, 0x00007FFFFFFEFFFF, 0xFFFFFFFFFFFFFFFF,
                                   0x8000000000000000, reinterpret_cast<std::uintptr_t>(&onStack)};
  // clang-format on
  if (random() % 2 == 0) return static_cast<LPARAM>(kValues[random() % std::size(kValues)]);
  return static_cast<LPARAM>(Wide(random) >> (random() % 40));
}

enum class Kind { Command, Timer, HotKey, Notify };

struct Message {
  Kind kind;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool sent;
};

// A send waits for the panel, a post only for the queue: posts are the flood, sends the probe.
int g_sentPercent = 25;

Message RandomMessage(std::mt19937& random, bool rationedAllowed) {
  const unsigned roll = random() % 100;
  const bool sent = random() % 100 < static_cast<unsigned>(g_sentPercent);
  if (roll < 88) {
    Id id = RandomId(random);
    while (In(kExcluded, id) || (!rationedAllowed && In(kRationed, id))) id = RandomId(random);
    // The high word is the notification code of a control; commands from peers leave it 0.
    const WPARAM high = random() % 8 == 0 ? (random() & 0xFFFF) << 16 : 0;
    return {Kind::Command, WM_COMMAND, high | id, RandomLParam(random), sent};
  }
  if (roll < 93) {
    // A sent timer message is never dispatched, so only a posted one can carry a procedure.
    const LPARAM proc = !sent && random() % 4 == 0 ? static_cast<LPARAM>(Wide(random)) : 0;
    return {Kind::Timer, WM_TIMER, RandomTimerId(random), proc, sent};
  }
  if (roll < 96) {
    WPARAM id = random() % 2 == 0 ? random() % 16 : static_cast<WPARAM>(Wide(random));
    if (id == 0) id = 1;  // 0 is the panel's own hot key: it would close the TV and hide
    return {Kind::HotKey, WM_HOTKEY, id, RandomLParam(random), sent};
  }
  return {Kind::Notify, WM_NOTIFY,
          static_cast<WPARAM>(random() % 4 == 0 ? Wide(random) : random() % 3),
          RandomNotifyPointer(random), sent};
}

const char* const kKindNames[] = {"command", "timer", "hotkey", "notify"};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: post_random N [SEED [SENT_PERCENT]]\n");
    return 2;
  }
  const long count = std::strtol(argv[1], nullptr, 10);
  if (argc > 3) g_sentPercent = std::atoi(argv[3]);
  const unsigned seed =
      argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : GetTickCount();
  std::mt19937 random(seed);
  std::printf("seed %u\n", seed);

  // The last messages, printed when something goes wrong.
  constexpr std::size_t kHistory = 32;
  Message history[kHistory] = {};
  long counts[4][2] = {};
  long timedOut = 0, refused = 0, inARow = 0;
  const DWORD started = GetTickCount();
  auto fail = [&](long i, const char* why) {
    std::fprintf(stderr, "post_random: %s after %ld messages; the last ones:\n", why, i);
    for (long k = std::max(0L, i - static_cast<long>(kHistory)); k < i; ++k) {
      const Message& m = history[k % kHistory];
      std::fprintf(stderr, "  %s %s %u %llu %lld\n", m.sent ? "sent" : "posted",
                   kKindNames[static_cast<int>(m.kind)], m.message,
                   static_cast<unsigned long long>(m.wParam), static_cast<long long>(m.lParam));
    }
    return 1;
  };

  long lastRationed = -kRationEvery;
  for (long i = 0; i < count; ++i) {
    const Message m = RandomMessage(random, i - lastRationed >= kRationEvery);
    if (m.kind == Kind::Command && In(kRationed, static_cast<Id>(m.wParam & 0xFFFF)))
      lastRationed = i;
    history[i % kHistory] = m;
    // Looked up every time: the panel must still be there after each message.
    HWND panel = FindWindowA(tv::kPanelClass, tv::kPanelTitle);
    if (panel == nullptr) return fail(i, "no panel");
    if (m.sent) {
      DWORD_PTR result = 0;
      if (SendMessageTimeoutA(panel, m.message, m.wParam, m.lParam, SMTO_NORMAL, 5000, &result)) {
        inARow = 0;
      } else if (GetLastError() != ERROR_TIMEOUT) {
        ++refused;  // the system would not deliver it (a message it cannot marshal)
      } else {
        ++timedOut;
        // A command may legitimately wait on the card; three in a row is a hung panel.
        if (++inARow == 3) return fail(i + 1, "the panel stopped answering");
      }
    } else {
      // A full queue is waited out rather than counted as sent.
      for (int tries = 0; PostMessageA(panel, m.message, m.wParam, m.lParam) == FALSE; ++tries) {
        if (GetLastError() != ERROR_NOT_ENOUGH_QUOTA) {
          ++refused;
          break;
        }
        if (tries == 100) return fail(i, "the panel takes no more messages");
        Sleep(50);
      }
      // Paced a little, as a busy peer would be, so the queue does not grow without end.
      if (i % 64 == 63) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(panel, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
      }
    }
    ++counts[static_cast<int>(m.kind)][m.sent ? 1 : 0];
  }
  std::printf(
      "%ld messages in %lu ms: commands %ld posted %ld sent, timers %ld/%ld, hot keys "
      "%ld/%ld, notifications %ld/%ld; %ld sends timed out, %ld refused by the system\n",
      count, GetTickCount() - started, counts[0][0], counts[0][1], counts[1][0], counts[1][1],
      counts[2][0], counts[2][1], counts[3][0], counts[3][1], timedOut, refused);
  std::fflush(stdout);
  return 0;
}
