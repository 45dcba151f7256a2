// Explorer's file properties: every program of the product carries one version, the one the
// packages are named after, with its own file name and a description.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tvpanel_version.h"
#include "wine_test_support.h"

namespace {

struct Program {
  const char* path;
  const char* originalName;
  DWORD fileType;
};

const Program kPrograms[] = {
    {PANEL_PROGRAM, "Panel.exe", VFT_APP},
    {TUNER_LIBRARY, "QvTV.dll", VFT_DLL},
    {VIDEO_PROGRAM, "screen.ex_", VFT_APP},
    {REMOTE_PROGRAM, "tvremote.exe", VFT_APP},
};

class VersionInfo : public testing::TestWithParam<Program> {
 protected:
  void SetUp() override {
    const std::string path = tv::winetest::WindowsPath(GetParam().path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << path << " has no version resource";
    block.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
  }
  std::string Text(const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string query = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
      return "(missing)";
    return std::string(value, length > 0 ? length - 1 : 0);
  }
  std::vector<char> block;
};

TEST_P(VersionInfo, CarriesTheProductVersionAndItsOwnName) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  const DWORD major = TVPANEL_VERSION_MAJOR, minor = TVPANEL_VERSION_MINOR,
              patch = TVPANEL_VERSION_PATCH;
  EXPECT_EQ(fixed->dwFileVersionMS, (major << 16) | minor);
  EXPECT_EQ(fixed->dwFileVersionLS, patch << 16);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwFileType, GetParam().fileType);
  EXPECT_EQ(Text("ProductVersion"), TVPANEL_VERSION);
  EXPECT_EQ(Text("FileVersion"), TVPANEL_VERSION);
  EXPECT_EQ(Text("ProductName"), TVPANEL_PRODUCT_NAME);
  EXPECT_EQ(Text("OriginalFilename"), GetParam().originalName);
  EXPECT_EQ(Text("FileDescription").rfind(TVPANEL_PRODUCT_NAME ": ", 0), 0u)
      << Text("FileDescription");
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, VersionInfo, testing::ValuesIn(kPrograms),
                         [](const testing::TestParamInfo<Program>& param) {
                           std::string name = param.param.originalName;
                           for (char& c : name)
                             if (c == '.') c = '_';
                           return name;
                         });

}  // namespace
