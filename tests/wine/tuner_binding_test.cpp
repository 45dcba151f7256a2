// The start-up binding against real library files through the Win32 loader: no QvTV.dll at
// all, and one that lacks an entry. The program's folder holds no QvTV.dll of its own; the
// test puts there what it needs. The boxes' captions and styles are the native tests' business.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/tuner_binding.h"
#include "platform/tuner_library.h"
#include "wine_test_support.h"

namespace tv {
namespace {

// Message boxes would wait for a click; their texts are recorded instead.
class RecordedBoxes : public MessageBoxes {
 public:
  int Show(WindowRef, const char* text, const char*, std::uint32_t) override {
    shown.emplace_back(text);
    return kIdOk;
  }
  std::vector<std::string> shown;
};

TEST(TunerBindingOnWindows, AMissingLibraryOrEntryIsRefusedWithItsMessagesAndUnloaded) {
  const std::string here = winetest::ProgramFolder() + "QvTV.dll";
  DeleteFileA(here.c_str());
  RecordedBoxes missing;
  EXPECT_FALSE(BindTunerLibrary(*MakeSystemTunerLibrary(), missing));
  EXPECT_EQ(missing.shown, (std::vector<std::string>{"QvTV.DLL Failed", "invalid QvTV.DLL"}));

  // A library that offers the frequency entry but not the country count.
  ASSERT_TRUE(
      CopyFileA((winetest::ProgramFolder() + "QvTVFreqOnly.dll").c_str(), here.c_str(), FALSE));
  const HMODULE module = LoadLibraryA(here.c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_NE(GetProcAddress(module, "QvGetFreqInfo"), nullptr);
  FreeLibrary(module);
  RecordedBoxes refused;
  const auto library = MakeSystemTunerLibrary();
  EXPECT_FALSE(BindTunerLibrary(*library, refused));
  EXPECT_EQ(refused.shown, std::vector<std::string>{"invalid QvTV.DLL"});
  EXPECT_EQ(GetModuleHandleA("QvTV.dll"), nullptr) << "unloaded by the binding itself";
  EXPECT_TRUE(DeleteFileA(here.c_str()));
}

}  // namespace
}  // namespace tv
