// Our QvTV.dll through the real loader and the real Win32 seam: it binds, exports exactly its
// two entries, and serves the same table the native tests check.
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

TEST(QvTvDll, ServesTheNativeTable) {
  const tuner::ChannelTable* table = tuner::BuiltInTable();
  ASSERT_NE(table, nullptr);
  const auto library = MakeSystemTunerLibrary();
  NoBoxes boxes;
  ASSERT_TRUE(BindTunerLibrary(*library, boxes));
  const std::int32_t count = ReadCountryCount(*library);
  ASSERT_EQ(count, 244);

  for (std::int32_t p = 0; p < count; ++p) {
    const tuner::Country& country = table->countries[static_cast<std::size_t>(p)];
    const CountryData data = ReadCountryData(*library, p, -1);
    EXPECT_EQ(data.code, country.code) << country.name;
    EXPECT_EQ(data.standard, country.standard) << country.name;
    const tuner::Plan& air = table->BandPlan(country, tuner::kAirBand);
    const tuner::Plan& cable = table->BandPlan(country, tuner::kCableBand);
    EXPECT_EQ(data.bands.air.lowest, air.Lowest()) << country.name;
    EXPECT_EQ(data.bands.air.highest, air.Highest()) << country.name;
    EXPECT_EQ(data.bands.cable.lowest, cable.Lowest()) << country.name;
    EXPECT_EQ(data.bands.cable.highest, cable.Highest()) << country.name;

    // Every channel of both bands, one past each end, and the gaps in between.
    for (const std::int32_t band : {tuner::kAirBand, tuner::kCableBand}) {
      const tuner::Plan& plan = table->BandPlan(country, band);
      for (std::int32_t n = plan.Lowest() - 1; n <= plan.Highest() + 1; ++n) {
        std::int32_t code = -1, position = p, standard = 0, highest = 0, lowest = 0;
        const std::int32_t served =
            library->GetFreqInfo(&code, &position, band, n, 0, &standard, &highest, &lowest, 0);
        const tuner::Channel* channel = plan.Find(n);
        const std::int32_t expected = n == 0               ? 0
                                      : channel != nullptr ? channel->freqHz
                                                           : tuner::kChannelOutOfRange;
        EXPECT_EQ(served, expected) << country.name << " band " << band << " channel " << n;
      }
    }
  }

  // The first country of a shared code answers a search; codes the table lacks find nothing.
  const auto firstWith = [&](std::int32_t code) {
    std::int32_t p = 0;
    while (table->countries[static_cast<std::size_t>(p)].code != code) ++p;
    return p;
  };
  for (const std::int32_t code : {81, 1, 7, 49}) {
    const CountryMatch match = FindCountryPosition(*library, count, code);
    EXPECT_TRUE(match.found) << code;
    EXPECT_EQ(match.position, firstWith(code)) << code;
  }
  const CountryMatch none = FindCountryPosition(*library, count, 999);
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.code, table->countries.back().code);
}

}  // namespace
}  // namespace tv
