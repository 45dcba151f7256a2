#pragma once
// The channel store: every channel list, name, stored frequency and the current and recall
// channels live in the settings file and are read again at each use, because the video window
// program writes the same sections (scan results, fine-tuned frequencies) while the panel runs.
// Only the current channel and the four band limits are also held in the context.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/key_table.h"
#include "app/panel_context.h"
#include "base/settings_file.h"

namespace tv::tuning {

enum class Band { Air, Cable };

// The band of the TV source now chosen (AirBand 1: air, anything else: cable).
Band CurrentBand(const ModeFlags& mode);

// ---- air and cable lists -----------------------------------------------------------------

const keys::Section& ListSection(Band band);
const keys::Key& AlreadyScanKey(Band band);
const keys::Key& ChannelKey(Band band);  // "TVChannelAir" / "TVChannelCable"
// The recall key as the channel steps and the number entry write it, and as it is read.
const keys::Key& RecallKey(Band band);
// The recall command writes the cable key as "recallCable"; keys compare case-insensitively,
// so it is the same key, but the file shows the spelling of whoever created it.
const keys::Key& RecallKeyOfRecallCommand(Band band);

struct ChannelRange {
  int lowest = 0;
  int highest = 0;
};
ChannelRange BandRange(const ChannelState& channels, Band band);

// Only the exact text "TRUE" counts as a member.
bool InList(const IniFile& ini, Band band, int channel);
// A channel leaves a list by "FALSE", never by losing its key.
void SetInList(const IniFile& ini, Band band, int channel, bool member);

// "ALREADYSCAN" := "FALSE", the band's current channel := 8, then every channel of the band's
// limits in ctx.channels, ascending, := "TRUE" (none when the limits are upside down).
void ResetBandList(PanelContext& ctx, Band band);
// At every start, air first: each band whose "ALREADYSCAN" still reads "FALSE" (the default)
// starts again with all of its channels.
void ResetUnscannedBandLists(PanelContext& ctx);

// [TOVIX] "Minair", "Maxair", "Min", "Max" (default 0) into ctx.channels.
void RefreshBandLimits(PanelContext& ctx);

// ---- FM list -----------------------------------------------------------------------------

int FmCount(const IniFile& ini);
// Appends the frequency text unless one of the keys 0 .. N+1 already holds it; true if added.
bool AddFmEntry(const IniFile& ini, const std::string& value);
// Removes the entry equal to the text and closes the gap; false when it is not in the list.
bool RemoveFmEntry(const IniFile& ini, const std::string& value);

// ---- names -------------------------------------------------------------------------------

// Every reader asks with a sentinel of its own and takes that sentinel to mean "no name"; a
// stored name equal to it is therefore no name for that reader only.
enum class NameReader { ChannelListView, NameDialog, FullScanPage, TvSettingsPage };
const char* NameSentinel(NameReader reader);

// Name sections: [Air channel Name] and [Cable channel Name] by channel number, [FM channel
// Name] by the FM text exactly as the list stores it, [FREQCHLISTNAME] by full-scan index.
const keys::Section& NameSection(Band band);
std::optional<std::string> ChannelName(const IniFile& ini, const keys::Section& names,
                                       std::string_view key, NameReader reader);
std::optional<std::string> ChannelName(const IniFile& ini, const keys::Section& names, int key,
                                       NameReader reader);

// ---- frequencies -------------------------------------------------------------------------

// The fine-tuned frequency the video window program saved for a channel, or nothing when the
// channel is tuned to its channel plan's default ("nono" means not stored). The leading digits
// count (none: 0); a number beyond 64 bits stops at the largest one.
std::optional<std::int64_t> StoredFrequencyHz(const IniFile& ini, Band band, int channel);
// Stored minus default, in Hz; 0 for a channel that was never fine-tuned. 64 bits: the library
// may answer an error code instead of the default frequency.
std::int64_t FineTuneOffsetHz(PanelContext& ctx, Band band, int channel);
// One slider step is 10 kHz around the middle 500; the remainder is dropped, and an offset
// beyond +-5 MHz puts the slider at its end, as the control itself would.
int FineTuneSliderPosition(std::int64_t offsetHz);
// The offset as the page shows it: "0", or the exact Hz with "-" or "+" in front.
std::string FineTuneOffsetText(std::int64_t offsetHz);

// ---- full-scan list ----------------------------------------------------------------------

bool FullScanMode(const IniFile& ini);  // [quarn] "UseFullScan" is "TRUE"
int FullScanCount(const IniFile& ini, int def = 0);
int FullScanFrequencyHz(const IniFile& ini, int index);
// Entry k of N leaves: the later entries move down one index with their names (a missing name
// moves as an empty one), index N goes from both sections and "ALLCH" becomes N - 1.
void CompactFullScanList(const IniFile& ini, int removedIndex);

}  // namespace tv::tuning
