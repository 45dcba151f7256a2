#pragma once
// Every key of the settings file and of win.ini, named once: section, key, and the default or
// sentinel its readers use. A reader with another default passes it explicitly. No other file
// spells a section or key string of these files.
//
// Conventions the peers rely on: numbers are signed decimal text, flags are "TRUE"/"FALSE"
// compared case-sensitively, section and key names compare case-insensitively.

#include <cstdint>

namespace tv::keys {

inline constexpr std::uint32_t kTextCapacity = 260;

struct Key {
  const char* section;
  const char* name;
  const char* text = "";  // default of text reads; also the sentinel that means "missing"
  int number = 0;         // default of integer reads
  std::uint32_t capacity = kTextCapacity;  // text read buffer, terminator included
};

// A section whose keys are indices ("0", "1", ...) or channel numbers ("7", "125").
struct Section {
  const char* name;
  const char* text = "";
  int number = 0;
  std::uint32_t capacity = kTextCapacity;
};

// Sentinels readers use to recognise a missing value.
inline constexpr const char* kNone = "NONE";
inline constexpr const char* kFalse = "FALSE";
inline constexpr const char* kTrue = "TRUE";
inline constexpr const char* kNoFrequency = "nono";
inline constexpr const char* kNoNameListView = "*-88*-";
inline constexpr const char* kNoNameDialog = "//**//--00";
inline constexpr const char* kNoNameFullScan = "/*/*/**/";

// ---- win.ini ---------------------------------------------------------------------------
inline constexpr Key kAppDirectory{.section = "AP", .name = "907APDirectory"};
inline constexpr Key kPanelIniName{.section = "AP", .name = "OmrPanelIniFile"};
inline constexpr Key kSettingsIniName{.section = "AP", .name = "OmrSettingIniFile"};
inline constexpr Key kSoundCardName{.section = "AudioDevice", .name = "SoundCard"};
inline constexpr Key kOsCountry{.section = "intl", .name = "iCountry"};
inline constexpr Key kTeletextDir{.section = "Teletext", .name = "TeletextDir"};

// ---- [quarn] general settings ----------------------------------------------------------
inline constexpr Key kAlwaysOnTop{.section = "quarn", .name = "AlwaysOnTop"};
inline constexpr Key kUseFullScan{.section = "quarn", .name = "UseFullScan"};
inline constexpr Key kAnalogVStandard{.section = "quarn", .name = "AnalogVStandard"};
inline constexpr Key kCaptureFile{.section = "quarn", .name = "CaptureFile"};
inline constexpr Key kCompressFormat{.section = "quarn", .name = "CompressFormat"};
inline constexpr Key kCaptureBitRate{.section = "quarn", .name = "CaptureBitRate", .capacity = 40};
inline constexpr Key kCaptureStreamSize{
    .section = "quarn", .name = "CaptureStreamSize", .capacity = 40};
inline constexpr Key kCaptureStreamFormat{.section = "quarn", .name = "CaptureStreamFormat"};
inline constexpr Key kPreviewStreamFormat{.section = "quarn", .name = "PreviewStreamFormat"};
inline constexpr Key kPreviewStreamSize{
    .section = "quarn", .name = "PreviewStreamSize", .capacity = 40};
// Empty counts as TRUE; any other text than "TRUE" is false.
inline constexpr Key kDeleteTempFile{.section = "quarn", .name = "DeleteTempFile"};
inline constexpr Key kTimeShiftFileRoot{
    .section = "quarn", .name = "TimeShiftFileRoot", .text = "C:\\TimeShift.mpg"};
inline constexpr Key kTimeShiftSize{.section = "quarn", .name = "TimeShiftSize", .capacity = 10};
inline constexpr Key kTimeShiftBitRate{
    .section = "quarn", .name = "TimeShiftBitRate", .text = "1250000", .capacity = 10};
inline constexpr Key kSnapShotNumber{
    .section = "quarn", .name = "SnapShotNumber", .text = "1", .number = 1};
inline constexpr Key kDiskFreeSpace{.section = "quarn", .name = "DiskFreeSpace", .number = 500};
inline constexpr Key kAddItem{.section = "quarn", .name = "AddItem"};

// ---- video standard and picture --------------------------------------------------------
inline constexpr Key kVideoStandard{
    .section = "VideoStandard", .name = "VideoStandard", .number = 1};
// Codes 0-3 and 9 are the 525-line standards; their frame sizes differ from the others'.
constexpr bool Is525LineStandard(int code) {
  return (code >= 0 && code <= 3) || code == 9;
}
inline constexpr Key kBrightness{
    .section = "VideoProcAmp", .name = "BrightnessValue", .number = 128};
inline constexpr Key kContrast{.section = "VideoProcAmp", .name = "ContrastValue", .number = 68};
inline constexpr Key kHue{.section = "VideoProcAmp", .name = "HueValue", .number = 0};
inline constexpr Key kSaturation{
    .section = "VideoProcAmp", .name = "SaturationValue", .number = 64};

// ---- sound (volume 0..220, the others 0..255) ------------------------------------------
inline constexpr int kAudioDialogMissing = 256;
inline constexpr Key kVolume{.section = "AudioProcAmp", .name = "VolumeValue", .number = 128};
inline constexpr Key kBalance{.section = "AudioProcAmp", .name = "BalanceValue", .number = 128};
inline constexpr Key kBass{.section = "AudioProcAmp", .name = "BassValue", .number = 0};
inline constexpr Key kTreble{.section = "AudioProcAmp", .name = "TrebleValue", .number = 0};
inline constexpr Key kAudioFormat{.section = "AudioFormat", .name = "AudioFormat", .number = 17};

// ---- multi-channel preview: missing reads as "FALSE" -----------------------------------
inline constexpr Key kSurfingTime{.section = "SURFING", .name = "TIME", .text = kFalse};
inline constexpr Key kSurfingWindows{.section = "SURFING", .name = "WIN", .text = kFalse};

// ---- source and channels ---------------------------------------------------------------
inline constexpr Key kInputSource{.section = "TovixCrossbar", .name = "InputSource", .number = 3};

inline constexpr Key kFmChannel{.section = "TVTuner", .name = "FMChannel", .number = 0};
inline constexpr Key kTvChannel{.section = "TVTuner", .name = "TVChannel", .number = 8};
// Default 8 where a channel is shown; stepping and sending read with 0 explicitly.
inline constexpr Key kTvChannelAir{.section = "TVTuner", .name = "TVChannelAir", .number = 8};
inline constexpr Key kTvChannelCable{.section = "TVTuner", .name = "TVChannelCable", .number = 8};
inline constexpr Key kRecallAir{.section = "TVTuner", .name = "recallair", .number = 0};
inline constexpr Key kRecallCable{.section = "TVTuner", .name = "recallcable", .number = 0};
// The recall command writes the cable key with this spelling; it is the same key.
inline constexpr Key kRecallCableWritten{.section = "TVTuner", .name = "recallCable", .number = 0};

// ---- [TOVIX] country and band data -----------------------------------------------------
inline constexpr Key kCountryCode{.section = "TOVIX", .name = "CountryCode", .number = 0};
inline constexpr Key kDefaultCountry{.section = "TOVIX", .name = "DEFAULTCOUNTRY"};
inline constexpr Key kDefaultName{.section = "TOVIX", .name = "DEFAULTNAME"};
inline constexpr Key kCodePos{.section = "TOVIX", .name = "CodePos", .number = 0};
inline constexpr Key kDefCodePos{.section = "TOVIX", .name = "DefCodePos", .number = 0};
inline constexpr Key kMaxCable{.section = "TOVIX", .name = "Max", .number = 0};
inline constexpr Key kMinCable{.section = "TOVIX", .name = "Min", .number = 0};
inline constexpr Key kMaxAir{.section = "TOVIX", .name = "Maxair", .number = 0};
inline constexpr Key kMinAir{.section = "TOVIX", .name = "Minair", .number = 0};
inline constexpr Key kMinFreq{.section = "TOVIX", .name = "MinFreq", .number = 0};
inline constexpr Key kMaxFreq{.section = "TOVIX", .name = "MaxFreq", .number = 0};
inline constexpr Key kRange{.section = "TOVIX", .name = "Range", .number = 0};

// ---- channel lists ---------------------------------------------------------------------
// Air and cable lists: key = channel number, "TRUE" = in the list.
inline constexpr Section kAirList{.name = "CHANNELLISTAIR", .text = kFalse};
inline constexpr Section kCableList{.name = "CHANNELLIST", .text = kFalse};
inline constexpr Key kAirAlreadyScan{
    .section = "CHANNELLISTAIR", .name = "ALREADYSCAN", .text = kFalse};
inline constexpr Key kCableAlreadyScan{
    .section = "CHANNELLIST", .name = "ALREADYSCAN", .text = kFalse};

// FM list: "FM" = N, then "1".."N" in units of 100 kHz.
inline constexpr Section kFmList{.name = "CHANNELLISTFM"};
inline constexpr Key kFmCount{.section = "CHANNELLISTFM", .name = "FM", .number = 0};

// Full-scan list: "ALLCH" = N, then "1".."N" in Hz.
inline constexpr Section kFullScanList{.name = "FREQCHLIST"};
inline constexpr Key kFullScanCount{.section = "FREQCHLIST", .name = "ALLCH", .number = 0};
inline constexpr Key kFullScanNow{
    .section = "FREQCHLIST", .name = "CHANNELNOW", .text = "1", .number = 1, .capacity = 4};
inline constexpr Key kFullScanRecall{.section = "FREQCHLIST", .name = "RECALLCHANNEL", .number = 0};
inline constexpr Key kFullScanDone{.section = "FREQCHLIST", .name = "SCANDONE"};
inline constexpr Section kFullScanNames{.name = "FREQCHLISTNAME", .text = kNoNameFullScan};

// Names; each reader passes its own sentinel.
inline constexpr Section kAirNames{.name = "Air channel Name"};
inline constexpr Section kCableNames{.name = "Cable channel Name"};
inline constexpr Section kFmNames{.name = "FM channel Name"};

// Fine-tuned frequencies in Hz, written by the video window program; "nono" = not stored.
inline constexpr Section kAirFrequencies{.name = "CHANNELAIRFREQ", .text = kNoFrequency};
inline constexpr Section kCableFrequencies{.name = "CHANNELCABLEFREQ", .text = kNoFrequency};

// ---- devices and audio routing ---------------------------------------------------------
inline constexpr Section kDevices{.name = "DEVICE", .text = kNone};
inline constexpr Key kSelectedDevice{
    .section = "SelectDevice", .name = "Index", .text = "0", .number = 0};
inline constexpr Section kAudioLines{.name = "AudioDevice", .text = kNone};
inline constexpr Section kAudioMuteControls{.name = "Audio", .text = "0"};
inline constexpr Key kAudioInput{.section = "AudioInput", .name = "Index", .number = 500};
inline constexpr Section kRecordSources{.name = "RecordDevice", .text = kNone};
inline constexpr Section kRecordState{.name = "Recordstate", .number = 2};
inline constexpr Section kStreamFormats{.name = "EnumStreamFormat", .text = kNone};

// ---- the simulated TV card's own settings ----------------------------------------------
// 1: the simulated card has an FM receiver (its answer to query 42227), 0: it has none.
inline constexpr Key kSimulatedRadio{.section = "SimulatedCard", .name = "Radio", .number = 1};
// Seconds after which the simulated card ends a recording by itself; 0 or less: never.
inline constexpr Key kSimulatedRecordSeconds{
    .section = "SimulatedCard", .name = "RecordSeconds", .number = 0};
// "TRUE": the simulated card's disk is full; it refuses to record and to time-shift.
inline constexpr Key kSimulatedDiskFull{.section = "SimulatedCard", .name = "DiskFull"};
// 0: the simulated card answers the record page that it has no MPEG-4 (or no other) encoder.
inline constexpr Key kSimulatedMpeg4Encoder{
    .section = "SimulatedCard", .name = "Mpeg4Encoder", .number = 1};
inline constexpr Key kSimulatedOtherEncoder{
    .section = "SimulatedCard", .name = "OtherEncoder", .number = 1};

}  // namespace tv::keys
