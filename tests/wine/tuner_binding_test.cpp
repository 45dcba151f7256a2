// The start-up binding against real library files through the Win32 loader: no QvTV.dll at
// all, and one that lacks an entry. The program's folder holds no QvTV.dll of its own; each
// test puts there what it needs. The boxes' captions and styles are the native tests' business.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/tuner_binding.h"
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

const std::string kLibraryHere = winetest::ProgramFolder() + "QvTV.dll";

TEST(TunerBindingOnWindows, MissingLibraryShowsBothMessagesInOrder) {
  DeleteFileA(kLibraryHere.c_str());
  const auto library = MakeSystemTunerLibrary();
  RecordedBoxes boxes;
  EXPECT_FALSE(BindTunerLibrary(*library, boxes));
  EXPECT_EQ(boxes.shown, (std::vector<std::string>{"QvTV.DLL Failed", "invalid QvTV.DLL"}));
}

TEST(TunerBindingOnWindows, LibraryWithoutTheCountryEntryIsRefusedAndUnloaded) {
  ASSERT_TRUE(CopyFileA((winetest::ProgramFolder() + "QvTVFreqOnly.dll").c_str(),
                        kLibraryHere.c_str(), FALSE));
  {
    // The file really offers the frequency entry, so the refusal is for the missing count.
    const HMODULE module = LoadLibraryA(kLibraryHere.c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddress(module, "QvGetFreqInfo"), nullptr);
    FreeLibrary(module);
    const auto library = MakeSystemTunerLibrary();
    RecordedBoxes boxes;
    EXPECT_FALSE(BindTunerLibrary(*library, boxes));
    EXPECT_EQ(boxes.shown, std::vector<std::string>{"invalid QvTV.DLL"});
    EXPECT_EQ(GetModuleHandleA("QvTV.dll"), nullptr);
  }
  EXPECT_TRUE(DeleteFileA(kLibraryHere.c_str()));
}

}  // namespace
}  // namespace tv
