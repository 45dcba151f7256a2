// post_random N [SEED]: a hostile peer for the end-to-end tests. Posts N WM_COMMANDs with random
// ids and lParams to the running panel, half of them ids the panel knows and half any id at all,
// and prints each as "id lParam" so that a failing run can be replayed. Exits 0 when every
// command was posted, 1 without a panel. Left out: the ids that end, hide or close the panel or
// the TV, open a modal dialog or message box, start another program or act on the captured
// files, and the record, time-shift, scan and preview starts, whose long runs would outlast it.
// Snapshots are left out too: each makes the card write the shared settings file, which the two
// programs share without any lock, so thousands of them measure the platform's profile writes
// racing each other rather than the panel.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>

#include "app/panel_context.h"
#include "commands/command_ids.h"

namespace {

using namespace tv::cmd;

constexpr Id kExcluded[] = {
    kPeerEndProgram,  kTrayClose,    kTrayShowHide,  kCloseTv,   kMinimize,  // end or hide
    kAbout,           kSettings,     kAudioSettings, kTeletext,  kSchedule,
    kWebsite,         kScan,  // dialogs, programs
    kFileEdit,        kFileSaveAs,   kFileDelete,    kFileEmail, kFileDeleteAll,
    kFileEmailButton, kOpenSnapshot, kOpenMovie,  // captured files
    kRecord,          kTimeShift,    kPreview,    // long runs
    kSnapshot};  // the card writes the shared settings file for each

constexpr Id kDigit3 = kDigit0 + 3, kDigit7 = kDigit0 + 7;
// In three lists only for their layout: the order keeps the commands of a seed as they were.
constexpr Id kButtons[] = {kVolumeDown,    kVolumeUp,  kChannelDown, kChannelUp, kSourceComposite,
                           kSourceSVideo,  kSourceAir, kSourceCable, kSourceFm,  kAddChannel,
                           kRemoveChannel, kPlay,      kForward,     kBack,      kPause,
                           kStop,          kMute,      kSnapshot,    kNextSkin,  kDigit0,
                           kDigit3,        kDigit7,    kDigit9,      kRecall};
constexpr Id kModes[] = {
    kToggleDownPart,  kListViewMode,    kToggleSidePart,   kAirCableSwitch, kCycleSource,
    kAudioAdjustMode, kVideoAdjustMode, kSoundModeKey,     kPlus,           kMinus,
    kFullScreen,      kReopenTv,        kRefillChannelList};
constexpr Id kFromPeers[] = {
    kPeerSnapshotDone,     kPeerChannelChanged,    kPeerScanEnded,         kPeerReady,
    kPeerRecordingState,   kPeerPreviewEnded,      kPeerScheduleClosed,    kPeerCapturedFile,
    kPeerFilesPanelClosed, kPeerRecordSize,        kTimeShiftPosition,     kPeerRecordTime,
    kPeerRecordingEnded,   kPeerSnapshotDone2,     kPeerPlaybackSeconds,   kPeerSidePanels,
    kScheduleAsk,          kScheduleActive,        kPeerTunedChannel,      kPeerAudioAnswer,
    kQueryRadio,           kPeerReselectSource,    kPeerAskTimeShiftStart, kPeerAudioDone,
    kPeerTvPageDone,       kPeerRecordPageAnswer1, kPeerRecordPageAnswer2, kPeerSoundCardVolume};

// Half the ids are the panel's own commands or what its peers send, half any id at all.
Id RandomId(std::mt19937& random) {
  if (random() % 2 != 0) return static_cast<Id>(random() & 0xFFFF);
  std::size_t i = random() % (std::size(kButtons) + std::size(kModes) + std::size(kFromPeers));
  if (i < std::size(kButtons)) return kButtons[i];
  i -= std::size(kButtons);
  return i < std::size(kModes) ? kModes[i] : kFromPeers[i - std::size(kModes)];
}

bool Excluded(Id id) {
  return std::find(std::begin(kExcluded), std::end(kExcluded), id) != std::end(kExcluded);
}

// Small values, the edges of 16 and 32 bits, and anything.
LPARAM RandomLParam(std::mt19937& random) {
  const std::int32_t kEdges[] = {0, 1, -1, 2, 6, 0xFFFF, 0x10000, 0x10001, INT32_MAX, INT32_MIN};
  const unsigned kind = random() % 3;
  if (kind == 0) return kEdges[random() % std::size(kEdges)];
  return kind == 1 ? static_cast<LPARAM>(random() % 200)
                   : static_cast<LPARAM>(static_cast<std::int32_t>(random()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: post_random N [SEED]\n");
    return 2;
  }
  const long count = std::strtol(argv[1], nullptr, 10);
  const unsigned seed =
      argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : GetTickCount();
  std::mt19937 random(seed);
  std::printf("seed %u\n", seed);

  for (long i = 0; i < count; ++i) {
    Id id = RandomId(random);
    while (Excluded(id)) id = RandomId(random);
    const LPARAM lParam = RandomLParam(random);
    // Looked up every time: the panel must still be there after each command.
    HWND panel = FindWindowA(tv::kPanelClass, tv::kPanelTitle);
    if (panel == nullptr) {
      std::fprintf(stderr, "post_random: no panel after %ld commands\n", i);
      return 1;
    }
    // A full queue is waited out rather than counted as sent.
    for (int tries = 0; PostMessageA(panel, WM_COMMAND, id, lParam) == FALSE; ++tries) {
      if (tries == 100) {
        std::fprintf(stderr, "post_random: the panel takes no more commands\n");
        return 1;
      }
      Sleep(50);
    }
    std::printf("%u %lld\n", static_cast<unsigned>(id), static_cast<long long>(lParam));
    // Paced a little, as a busy peer would be.
    if (i % 50 == 49) Sleep(20);
  }
  std::fflush(stdout);
  return 0;
}
