# GoogleTest built from the sources Debian's googletest package ships, with the
# same cross compiler as everything else.
set(ZR_GTEST_SRC /usr/src/googletest/googletest)
add_library(gtest STATIC ${ZR_GTEST_SRC}/src/gtest-all.cc)
target_include_directories(gtest SYSTEM PUBLIC ${ZR_GTEST_SRC}/include PRIVATE ${ZR_GTEST_SRC})
target_compile_options(gtest PRIVATE -w)
add_library(gtest_main STATIC ${ZR_GTEST_SRC}/src/gtest_main.cc)
target_link_libraries(gtest_main PUBLIC gtest)
target_compile_options(gtest_main PRIVATE -w)

# One ctest test per executable: GoogleTest runs all of its cases in one Wine process.
function(zr_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main)
  # Through gtest-run: an exit code of 0 counts only with GoogleTest's summary.
  add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/scripts/gtest-run $<TARGET_FILE:${name}> --gtest_color=no)
  # The tests share one virtual display, its focus and the keyboard state (a
  # test that holds Ctrl down must not meet another test's keys): one at a time.
  set_tests_properties(${name} PROPERTIES TIMEOUT 600 RESOURCE_LOCK display)
endfunction()
