// Our QvTV.dll through the real loader and the real Win32 seam: it binds, exports exactly its
// two entries, and answers the panel's queries.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/tuner_binding.h"
#include "platform/tuner_library.h"
#include "tuner/channel_table.h"

namespace tv {
namespace {

class NoBoxes : public MessageBoxes {
 public:
  int Show(WindowRef, const char* text, const char*, std::uint32_t) override {
    ADD_FAILURE() << "message box: " << text;
    return kIdOk;
  }
};

TEST(QvTvDll, ExportsExactlyTheTwoEntriesUndecorated) {
  const HMODULE module = LoadLibraryA("QvTV.dll");
  ASSERT_NE(module, nullptr);
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  EXPECT_EQ(exports->NumberOfFunctions, 2u);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::set<std::string> exported;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    exported.insert(reinterpret_cast<const char*>(base + names[i]));
  }
  EXPECT_EQ(exported, (std::set<std::string>{"QvGetContryInfo", "QvGetFreqInfo"}));
  FreeLibrary(module);
}

// The table's contents are the native tests' business; through the loader a few answers show
// that the entries are bound with the right convention and arguments.
TEST(QvTvDll, AnswersThePanelsQueries) {
  const auto library = MakeSystemTunerLibrary();
  NoBoxes boxes;
  ASSERT_TRUE(BindTunerLibrary(*library, boxes));
  const std::int32_t count = ReadCountryCount(*library);
  ASSERT_EQ(count, 244);

  constexpr std::int32_t kUnitedStates = 228;  // the position the setup stores
  EXPECT_EQ(ReadCountryData(*library, kUnitedStates, -1).code, 1);
  const CountryMatch germany = FindCountryPosition(*library, count, 49);
  ASSERT_TRUE(germany.found);
  const CountryData data = ReadCountryData(*library, germany.position, -1);
  EXPECT_EQ(data.code, 49);
  EXPECT_EQ(data.standard, 4);
  EXPECT_EQ(data.bands.air.lowest, 2);
  EXPECT_EQ(data.bands.air.highest, 69);
  EXPECT_EQ(data.bands.cable.lowest, 1);
  EXPECT_EQ(data.bands.cable.highest, 101);
  EXPECT_FALSE(FindCountryPosition(*library, count, 999).found);

  const struct {
    std::int32_t position, band, channel, expected;
  } channels[] = {
      {kUnitedStates, tuner::kAirBand, 12, 205250000},
      {kUnitedStates, tuner::kAirBand, 0, 0},
      {kUnitedStates, tuner::kAirBand, 70, tuner::kChannelOutOfRange},
      {germany.position, tuner::kCableBand, 1, 48250000},
  };
  for (const auto& c : channels) {
    std::int32_t code = -1, position = c.position, standard = 0, highest = 0, lowest = 0;
    EXPECT_EQ(library->GetFreqInfo(&code, &position, c.band, c.channel, 0, &standard, &highest,
                                   &lowest, 0),
              c.expected)
        << c.position << " band " << c.band << " channel " << c.channel;
  }
}

}  // namespace
}  // namespace tv
