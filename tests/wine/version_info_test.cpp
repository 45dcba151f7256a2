// Explorer's file properties: every program of the product carries one version, the one the
// packages are named after, with its own file name and a description.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tvpanel_version.h"
#include "wine_test_support.h"

namespace {

using namespace std::string_literals;

TEST(VersionInfo, EveryProgramCarriesTheProductVersionAndItsOwnName) {
  const DWORD major = TVPANEL_VERSION_MAJOR, minor = TVPANEL_VERSION_MINOR,
              patch = TVPANEL_VERSION_PATCH;
  for (const auto& [unixPath, originalName, fileType] :
       {std::tuple{PANEL_PROGRAM, "Panel.exe", VFT_APP},
        {TUNER_LIBRARY, "QvTV.dll", VFT_DLL},
        {VIDEO_PROGRAM, "screen.ex_", VFT_APP},
        {REMOTE_PROGRAM, "tvremote.exe", VFT_APP}}) {
    SCOPED_TRACE(originalName);
    const std::string path = tv::winetest::WindowsPath(unixPath);
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    ASSERT_TRUE(
        !block.empty() &&
        GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    const auto text = [&](const std::string& name) {
      char* value = nullptr;
      UINT length = 0;
      if (!VerQueryValueA(block.data(), ("\\StringFileInfo\\040904E4\\" + name).c_str(),
                          reinterpret_cast<void**>(&value), &length))
        return std::string("(missing)");
      return std::string(value, length > 0 ? length - 1 : 0);
    };
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(std::vector<DWORD>({fixed->dwFileVersionMS, fixed->dwFileVersionLS,
                                  fixed->dwProductVersionMS, fixed->dwFileType}),
              std::vector<DWORD>({(major << 16) | minor, patch << 16, (major << 16) | minor,
                                  static_cast<DWORD>(fileType)}));
    EXPECT_EQ(text("ProductVersion") + "|" + text("FileVersion") + "|" + text("ProductName") + "|" +
                  text("OriginalFilename"),
              TVPANEL_VERSION "|" TVPANEL_VERSION "|" TVPANEL_PRODUCT_NAME "|"s + originalName);
    EXPECT_EQ(text("FileDescription").rfind(TVPANEL_PRODUCT_NAME ": ", 0), 0u)
        << text("FileDescription");
  }
}

}  // namespace
