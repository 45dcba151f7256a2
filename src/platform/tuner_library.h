#pragma once
// The tuner library, "QvTV.dll": country table and channel plans. The panel binds it once at
// start and keeps it for the life of the process.
//
// Binary interface the real platform calls through: two C functions with undecorated export
// names, both __stdcall (WINAPI), every argument and result a 32-bit value:
//
//   int32 QvGetContryInfo(void);                       number of countries
//   int32 QvGetFreqInfo(int32* code, int32* position, int32 band, int32 channel,
//                       int32 reserved, int32* standard, int32* highest, int32* lowest,
//                       int32 reserved);
//
// code -1 asks by position and receives the country's telephone code; band 0 is air, 1 cable;
// channel 0 asks for the country data only, any other channel for its frequency in Hz.
// Instead of a frequency the library may answer -1001 (code or position out of range), -1002
// (unknown code), -1003 (channel out of range) or -4000; the panel never tests for them.

#include <cstdint>
#include <memory>

namespace tv {

enum class TunerEntry {
  FreqInfo,     // "QvGetFreqInfo"
  CountryInfo,  // "QvGetContryInfo"
};

class TunerLibrary {
 public:
  virtual ~TunerLibrary() = default;

  // Loads the library by file name with the platform's normal search order.
  virtual bool Load(const char* fileName) = 0;
  // Looks up one entry point of the loaded library; false when it lacks it.
  virtual bool Lookup(TunerEntry entry) = 0;
  // Forgets both entry points and unloads the library; harmless when nothing is loaded.
  virtual void Release() = 0;

  // The two entries; only called once bound.
  virtual std::int32_t GetContryInfo() = 0;
  virtual std::int32_t GetFreqInfo(std::int32_t* code, std::int32_t* position, std::int32_t band,
                                   std::int32_t channel, std::int32_t reserved1,
                                   std::int32_t* standard, std::int32_t* highest,
                                   std::int32_t* lowest, std::int32_t reserved2) = 0;
};

// The operating system's loader; defined by the real platform (src/win32/platform).
std::unique_ptr<TunerLibrary> MakeSystemTunerLibrary();

}  // namespace tv
