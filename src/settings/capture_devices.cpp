#include "settings/capture_devices.h"

#include <string>

#include "base/key_table.h"
#include "base/locations.h"
#include "base/settings_file.h"

namespace tv::settings {
namespace {

constexpr const char* kWarningCaption = "Warning";

// Both operations build their own copy of the settings path, which also makes AppDirectory
// current again, as the mixer set-up does.
IniFile OwnSettingsFile(PanelContext& ctx) {
  const Locations here = ResolveLocations(ctx.os.profile, ctx.os.files);
  return IniFile(ctx.os.profile, here.settingsIni);
}

// The two failures that end either operation before any device is looked at.
bool ReportUnlisted(PanelContext& ctx, CaptureListing listing) {
  switch (listing) {
    case CaptureListing::Listed:
      return false;
    case CaptureListing::NoEnumerator:
      ctx.os.messageBoxes.Show(WindowRef{}, "Error Creating Device Enumerator!", kWarningCaption,
                               kMbOk);
      return true;
    case CaptureListing::NoDevices:
      ctx.os.messageBoxes.Show(WindowRef{}, "Can Not Find Any TV Card!", kWarningCaption, kMbOk);
      return true;
  }
  return true;
}

std::string Recorded(const std::string& name) {
  return name.substr(0, kDeviceNameCapacity - 1);
}

}  // namespace

void EnumerateCaptureDevices(PanelContext& ctx) {
  const IniFile settings = OwnSettingsFile(ctx);
  const VideoInputDevices devices = ctx.os.captureDevices.ListVideoInputDevices();
  if (ReportUnlisted(ctx, devices.listing)) return;
  for (std::size_t n = 0; n < devices.names.size(); ++n) {
    if (devices.names[n])
      settings.Write(keys::kDevices, static_cast<int>(n), Recorded(*devices.names[n]));
  }
}

int VerifySelectedDevice(PanelContext& ctx) {
  const IniFile settings = OwnSettingsFile(ctx);
  // The index is read twice, as text to name the key and as a number to find the device; a
  // value such as "01" names a key that was never written, and so never matches.
  const std::string indexText = settings.Text(keys::kSelectedDevice);
  const int index = settings.Int(keys::kSelectedDevice);
  const std::string stored =
      settings.RawText(keys::kDevices.name, indexText.c_str(), "", kDeviceNameCapacity);

  const VideoInputDevices devices = ctx.os.captureDevices.ListVideoInputDevices();
  if (ReportUnlisted(ctx, devices.listing)) return 0;
  if (index < 0 || static_cast<std::size_t>(index) >= devices.names.size()) return 0;
  const auto& name = devices.names[static_cast<std::size_t>(index)];
  return name && Recorded(*name) == stored ? 1 : 0;
}

}  // namespace tv::settings
