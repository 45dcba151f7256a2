#include "base/locations.h"

#include "base/key_table.h"
#include "base/settings_file.h"

namespace tv {
namespace {

// The paths live in fixed 500-byte buffers: whatever does not fit is cut.
std::string JoinInBuffer(const std::string& directory, const std::string& name) {
  std::string path = directory + "\\" + name;
  if (path.size() > kPathBufferSize - 1) path.resize(kPathBufferSize - 1);
  return path;
}

}  // namespace

Locations ResolveLocations(Profile& profile, FileSystem& files) {
  const WinIni winIni(profile);
  Locations where;
  where.appDirectory = winIni.Text(keys::kAppDirectory);
  files.ChangeDirectory(where.appDirectory);
  where.panelIni = JoinInBuffer(where.appDirectory, winIni.Text(keys::kPanelIniName));
  where.settingsIni = JoinInBuffer(where.appDirectory, winIni.Text(keys::kSettingsIniName));
  return where;
}

}  // namespace tv
