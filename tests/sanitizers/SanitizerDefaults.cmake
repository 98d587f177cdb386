# SPDX-FileCopyrightText: 2026 Kazoola Team
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the sanitizer defaults into every executable of a sanitizer build, so a test, a
# fuzz target or a program run by hand from that build folder reports the same way as under
# `make sanitize`: halt on the first report with a stack trace, detect leaks, and skip the
# leaks that belong to the system libraries (lsan.supp). Options given in ASAN_OPTIONS,
# UBSAN_OPTIONS or LSAN_OPTIONS still apply on top of these.
file(READ ${CMAKE_CURRENT_LIST_DIR}/lsan.supp KAZ_LSAN_SUPPRESSIONS)
set(KAZ_SANITIZER_DEFAULTS ${CMAKE_BINARY_DIR}/sanitizers/SanitizerDefaults.cpp)
file(CONFIGURE OUTPUT ${KAZ_SANITIZER_DEFAULTS} CONTENT [==[
// Generated from tests/sanitizers/lsan.supp by SanitizerDefaults.cmake.
extern "C" {
const char* __asan_default_options() {
    return "detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1";
}
const char* __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}
const char* __lsan_default_suppressions() {
    return R"supp(@KAZ_LSAN_SUPPRESSIONS@)supp";
}
}
]==] @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/lsan.supp)

function(kaz_add_sanitizer_defaults dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_sources(${target} PRIVATE ${KAZ_SANITIZER_DEFAULTS})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    kaz_add_sanitizer_defaults(${subdir})
  endforeach()
endfunction()
kaz_add_sanitizer_defaults(${PROJECT_SOURCE_DIR})
