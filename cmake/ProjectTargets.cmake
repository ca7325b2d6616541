# project_library(<name> SOURCES ... [LIBS ...]): one library per source folder.
function(project_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    return()  # a folder whose first sources have not landed yet
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC project_options ${ARG_LIBS})
endfunction()

# project_test(<name> SOURCES ... [LIBS ...]): one GoogleTest executable, each case a ctest test.
# Every test runs on the headless window backend, in the time zone of the program's users.
function(project_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "test ${name} has no sources")
  endif()
  foreach(lib IN LISTS ARG_LIBS)
    if(NOT TARGET ${lib})
      message(FATAL_ERROR "test ${name} links ${lib}, which is no target of this build")
    endif()
  endforeach()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE project_options testing_time_zone ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 30
    PROPERTIES ENVIRONMENT PLATFORM_BACKEND=headless TIMEOUT 120)
endfunction()
