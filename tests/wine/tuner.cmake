# The start-up binding against real library files through the real loader (our QvTV.dll
# itself is loaded by the simulated card's tests). The program has a folder of its own, because
# the library is found by its bare name next to the program: it holds none until a test puts one.

# A library that lacks QvGetContryInfo: only QvGetFreqInfo, which is never called.
set(TUNER_FREQ_ONLY_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/tuner_freq_only.cpp)
file(GENERATE OUTPUT ${TUNER_FREQ_ONLY_SOURCE} CONTENT
"#include <cstdint>
extern \"C\" __declspec(dllexport) std::int32_t __stdcall QvGetFreqInfo(
    std::int32_t*, std::int32_t*, std::int32_t, std::int32_t, std::int32_t, std::int32_t*,
    std::int32_t*, std::int32_t*, std::int32_t) {
  return -4000;
}
")
add_library(tuner_freq_only SHARED ${TUNER_FREQ_ONLY_SOURCE})
set_target_properties(tuner_freq_only PROPERTIES PREFIX "" OUTPUT_NAME QvTVFreqOnly
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tuner_binding)
target_link_options(tuner_freq_only PRIVATE -Wl,--kill-at)

tvpanel_wine_test(tuner_binding_test ${CMAKE_CURRENT_LIST_DIR}/tuner_binding_test.cpp
                  LIBS platform_win32)
set_target_properties(tuner_binding_test PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tuner_binding)
add_dependencies(tuner_binding_test tuner_freq_only)
