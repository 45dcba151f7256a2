// The tuner library through the Win32 loader: LoadLibraryExA and GetProcAddress, nothing more.
#include <windows.h>

#include "platform/tuner_library.h"

namespace tv {
namespace {

using CountryInfoFn = std::int32_t(WINAPI*)();
using FreqInfoFn = std::int32_t(WINAPI*)(std::int32_t*, std::int32_t*, std::int32_t, std::int32_t,
                                         std::int32_t, std::int32_t*, std::int32_t*, std::int32_t*,
                                         std::int32_t);

template <typename Fn>
Fn EntryPoint(HMODULE module, const char* name) {
  // GetProcAddress hands back a generic function pointer; the library's own signature is
  // the one documented in tuner_library.h.
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class Win32TunerLibrary : public TunerLibrary {
 public:
  ~Win32TunerLibrary() override = default;  // the library stays loaded until the process ends

  bool Load(const char* fileName) override {
    module_ = LoadLibraryExA(fileName, nullptr, 0);
    return module_ != nullptr;
  }

  bool Lookup(TunerEntry entry) override {
    if (module_ == nullptr) return false;
    if (entry == TunerEntry::FreqInfo) {
      freqInfo_ = EntryPoint<FreqInfoFn>(module_, "QvGetFreqInfo");
      return freqInfo_ != nullptr;
    }
    countryInfo_ = EntryPoint<CountryInfoFn>(module_, "QvGetContryInfo");
    return countryInfo_ != nullptr;
  }

  void Release() override {
    freqInfo_ = nullptr;
    countryInfo_ = nullptr;
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
  }

  std::int32_t GetContryInfo() override { return countryInfo_(); }

  std::int32_t GetFreqInfo(std::int32_t* code, std::int32_t* position, std::int32_t band,
                           std::int32_t channel, std::int32_t reserved1, std::int32_t* standard,
                           std::int32_t* highest, std::int32_t* lowest,
                           std::int32_t reserved2) override {
    return freqInfo_(code, position, band, channel, reserved1, standard, highest, lowest,
                     reserved2);
  }

 private:
  HMODULE module_ = nullptr;
  FreqInfoFn freqInfo_ = nullptr;
  CountryInfoFn countryInfo_ = nullptr;
};

}  // namespace

std::unique_ptr<TunerLibrary> MakeSystemTunerLibrary() {
  return std::make_unique<Win32TunerLibrary>();
}

}  // namespace tv
