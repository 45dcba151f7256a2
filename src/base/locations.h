#pragma once
// Where the installation and its two INI files are, from win.ini [AP].

#include <string>

#include "platform/files.h"
#include "platform/profile.h"

namespace tv {

inline constexpr std::size_t kPathBufferSize = 500;  // the full-path buffers, terminator included

struct Locations {
  std::string appDirectory;  // at most 259 characters
  std::string panelIni;      // AppDirectory + "\" + [AP] "OmrPanelIniFile", at most 499
  std::string settingsIni;   // AppDirectory + "\" + [AP] "OmrSettingIniFile", at most 499
};

// Reads the three [AP] names and makes AppDirectory the current directory. Missing names give
// paths that end in "\"; nothing checks that the files exist.
Locations ResolveLocations(Profile& profile, FileSystem& files);

}  // namespace tv
