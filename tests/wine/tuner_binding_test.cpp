// The start-up binding against real library files through the Win32 loader: no QvTV.dll at
// all, and one that lacks an entry. The program's folder holds no QvTV.dll of its own; each
// test puts there what it needs.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/tuner_binding.h"
#include "platform/tuner_library.h"

namespace tv {
namespace {

// Message boxes would wait for a click; these are recorded instead.
struct Box {
  std::string text;
  std::optional<std::string> caption;
  std::uint32_t style;
  bool owned;
};
class RecordedBoxes : public MessageBoxes {
 public:
  int Show(WindowRef owner, const char* text, const char* caption, std::uint32_t style) override {
    shown.push_back(Box{text, caption ? std::optional<std::string>(caption) : std::nullopt, style,
                        static_cast<bool>(owner)});
    return kIdOk;
  }
  std::vector<Box> shown;
};

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

const std::string kLibraryHere = ProgramFolder() + "QvTV.dll";

TEST(TunerBindingOnWindows, MissingLibraryShowsBothMessagesInOrder) {
  DeleteFileA(kLibraryHere.c_str());
  const auto library = MakeSystemTunerLibrary();
  RecordedBoxes boxes;
  EXPECT_FALSE(BindTunerLibrary(*library, boxes));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, "QvTV.DLL Failed");
  EXPECT_EQ(boxes.shown[0].caption, "Error");
  EXPECT_EQ(boxes.shown[1].text, "invalid QvTV.DLL");
  EXPECT_EQ(boxes.shown[1].caption, std::nullopt);
  for (const Box& box : boxes.shown) {
    EXPECT_EQ(box.style, static_cast<std::uint32_t>(MB_OK));
    EXPECT_FALSE(box.owned);
  }
}

TEST(TunerBindingOnWindows, LibraryWithoutTheCountryEntryIsRefusedAndUnloaded) {
  ASSERT_TRUE(
      CopyFileA((ProgramFolder() + "QvTVFreqOnly.dll").c_str(), kLibraryHere.c_str(), FALSE));
  {
    // The file really offers the frequency entry, so the refusal is for the missing count.
    const HMODULE module = LoadLibraryA(kLibraryHere.c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddress(module, "QvGetFreqInfo"), nullptr);
    EXPECT_EQ(GetProcAddress(module, "QvGetContryInfo"), nullptr);
    FreeLibrary(module);

    const auto library = MakeSystemTunerLibrary();
    RecordedBoxes boxes;
    EXPECT_FALSE(BindTunerLibrary(*library, boxes));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "invalid QvTV.DLL");
    EXPECT_EQ(boxes.shown[0].caption, std::nullopt);
    EXPECT_EQ(GetModuleHandleA("QvTV.dll"), nullptr);
  }
  EXPECT_TRUE(DeleteFileA(kLibraryHere.c_str()));
}

}  // namespace
}  // namespace tv
