// QvTV.dll: the two entries the panel binds. C functions, __stdcall (the convention of the
// Win32 API, which a C library of this kind exports), every argument and result 32-bit.
// The names go out undecorated through qvtv.def.

#include <cstdint>
#include <new>

#include "tuner/channel_table.h"

#define QVTV_API extern "C" std::int32_t __stdcall

namespace {

const tv::tuner::ChannelTable* Table() noexcept {
  try {
    return tv::tuner::BuiltInTable();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

// The number of countries; positions run from 0 to this - 1.
QVTV_API QvGetContryInfo() {
  const auto* table = Table();
  return table != nullptr ? static_cast<std::int32_t>(table->countries.size()) : 0;
}

// Arguments 5 and 9 are reserved and ignored.
QVTV_API QvGetFreqInfo(std::int32_t* code, std::int32_t* position, std::int32_t band,
                       std::int32_t channel, std::int32_t /*reserved*/, std::int32_t* standard,
                       std::int32_t* highest, std::int32_t* lowest, std::int32_t /*reserved*/) {
  const auto* table = Table();
  if (table == nullptr) return tv::tuner::kOtherError;
  return tv::tuner::AnswerFreqInfo(*table, code, position, band, channel, standard, highest,
                                   lowest);
}
