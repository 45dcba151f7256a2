// Binding the tuner library at start-up, and the order of the panel's country questions to it.
#include "base/tuner_binding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/fake_platform.h"

namespace tv {
namespace {

using Events = std::vector<std::string>;
using Calls = std::vector<fakes::FreqInfoCall>;

TEST(TunerBinding, MissingOrIncompleteLibraryIsReleasedAndReported) {
  auto bind = [](bool present, bool hasFreqInfo, bool hasCountryInfo, const Events& events,
                 const std::vector<std::string>& texts) {
    fakes::FakeTunerLibrary library;
    std::tie(library.present, library.hasFreqInfo, library.hasCountryInfo) =
        std::tie(present, hasFreqInfo, hasCountryInfo);
    fakes::FakeMessageBoxes boxes;
    EXPECT_EQ(BindTunerLibrary(library, boxes), texts.empty());
    EXPECT_EQ(library.events, events);
    EXPECT_EQ(boxes.Texts(), texts);
    // Owner-less OK boxes; only the load failure names its caption.
    for (const auto& box : boxes.Shown()) {
      const bool load = box.text == "QvTV.DLL Failed";
      EXPECT_TRUE(!box.owner && box.style == kMbOk &&
                  box.caption == (load ? std::optional<std::string>("Error") : std::nullopt))
          << box.text;
    }
  };
  bind(true, true, true, {"load QvTV.dll", "lookup QvGetFreqInfo", "lookup QvGetContryInfo"}, {});
  bind(false, true, true, {"load QvTV.dll", "release"}, {"QvTV.DLL Failed", "invalid QvTV.DLL"});
  bind(true, false, true, {"load QvTV.dll", "lookup QvGetFreqInfo", "release"},
       {"invalid QvTV.DLL"});
  bind(true, true, false,
       {"load QvTV.dll", "lookup QvGetFreqInfo", "lookup QvGetContryInfo", "release"},
       {"invalid QvTV.DLL"});
}

TEST(TunerBinding, CountryQueriesAskInTheLibrarysOrder) {
  fakes::FakeTunerLibrary library;
  // code, standard, air lowest and highest, cable lowest and highest
  library.countries = {
      {49, 4, 2, 69, 1, 101}, {1, 0, 2, 69, 1, 125}, {81, 1, 1, 62, 1, 63}, {1, 0, 2, 13, 1, 99}};

  // A position search asks by position (code -1) on the cable band and stops at the first match;
  // calls list code, position, band, channel and the two reserved arguments, as passed.
  const CountryMatch match = FindCountryPosition(library, 4, 1);
  EXPECT_TRUE(match.found && match.position == 1) << match.position;
  EXPECT_EQ(library.calls, (Calls{{-1, 0, 1, 0, 0, 0}, {-1, 1, 1, 0, 0, 0}}));
  // The full read: cable by position for code and standard, then air and cable by that code.
  library.calls.clear();
  const CountryData data = ReadCountryData(library, 2, -1);
  EXPECT_EQ(std::tuple(data.code, data.standard, data.bands.air.highest, data.bands.cable.highest),
            std::tuple(81, 1, 62, 63));
  EXPECT_EQ(library.calls, (Calls{{-1, 2, 1, 0, 0, 0}, {81, 2, 0, 0, 0, 0}, {81, 2, 1, 0, 0, 0}}));
  // The count the library gave bounds the search; a non-positive count asks nothing.
  library.calls.clear();
  EXPECT_FALSE(FindCountryPosition(library, 2, 81).found);
  EXPECT_EQ(FindCountryPosition(library, 0, 49).position, -1);
  EXPECT_EQ(library.calls.size(), 2u);
}

}  // namespace
}  // namespace tv
