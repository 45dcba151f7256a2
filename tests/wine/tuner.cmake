# QvTV.dll through the real loader, and the start-up binding against real library files.
# Each program has a folder of its own, because the library is found by its bare name next
# to the program: one folder holds our QvTV.dll, the other holds none until a test puts one.

# The native table, served by the DLL: compared entry by entry.
tvpanel_wine_test(tuner_library_test ${CMAKE_CURRENT_LIST_DIR}/tuner_library_test.cpp
                  LIBS platform_win32 tuner_tables)
set_target_properties(tuner_library_test PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tuner_library)
add_dependencies(tuner_library_test QvTV)
add_custom_command(TARGET tuner_library_test POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:QvTV>
          $<TARGET_FILE_DIR:tuner_library_test>/QvTV.dll)

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
