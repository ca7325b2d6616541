# project_library(<name> SOURCES ... [LIBS ...]): one library per source folder.
function(project_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    return()  # a folder whose first sources have not landed yet
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC project_options ${ARG_LIBS})
endfunction()

# Every GoogleTest program runs under the verdict guard (cmake/verdict-guard): a ctest test
# passes only on GoogleTest's own report that its tests ran and passed, never on an exit
# code alone, so a test that ends the process early fails whatever the code. The helpers
# below are the only ways a test is registered; a configuration that runs a GoogleTest
# program any other way stops (check_test_registrations).
# The system's interpreter comes first: a version manager's shim can take seconds to start,
# and the guard starts once for every test.
find_program(VERDICT_PYTHON NAMES python3 PATHS /usr/bin /bin NO_DEFAULT_PATH)
find_program(VERDICT_PYTHON NAMES python3 REQUIRED)
set(VERDICT_GUARD ${VERDICT_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/verdict-guard)
set(X11_SUITE_RUNNER ${CMAKE_CURRENT_LIST_DIR}/../tests/platform/x11/run-x11-suite.sh)

# guard_gtest_program(<target>): the target's discovered tests run under the guard.
function(guard_gtest_program target)
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${VERDICT_GUARD}" VERDICT_GUARDED TRUE)
endfunction()

# project_discover_tests(<target> [PROPERTIES ...]): each case of a GoogleTest program a
# ctest test of its own, under the guard, on the headless backend unless told otherwise.
function(project_discover_tests target)
  guard_gtest_program(${target})
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 30
    ${ARGN})
endfunction()

# project_suite_test(NAME <test> SUITE <target> [X11 <mode>] [TIMEOUT <s>] [ENVIRONMENT ...]
# [LABELS ...]): the whole GoogleTest program as one ctest test, under the guard; with X11,
# on an X server of its own (tests/platform/x11/run-x11-suite.sh: plain, compositor or
# openbox).
function(project_suite_test)
  cmake_parse_arguments(ARG "" "NAME;SUITE;X11;TIMEOUT" "ENVIRONMENT;LABELS;ARGS" ${ARGN})
  guard_gtest_program(${ARG_SUITE})
  set(command ${VERDICT_GUARD})
  if(ARG_X11)
    list(APPEND command ${X11_SUITE_RUNNER} ${ARG_X11})
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${command} $<TARGET_FILE:${ARG_SUITE}> ${ARG_ARGS})
  set_property(GLOBAL APPEND PROPERTY VERDICT_GUARDED_TESTS ${ARG_NAME})
  if(ARG_X11)
    # Each suite has an X server of its own, but their keys, clicks and clipboard answers
    # race real X servers, window managers and compositors: several at once on a small
    # machine starve one another past their bounds, so they take turns.
    set_tests_properties(${ARG_NAME} PROPERTIES RESOURCE_LOCK x11_suite)
  endif()
  if(ARG_TIMEOUT)
    set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  endif()
  if(ARG_ENVIRONMENT)
    set_tests_properties(${ARG_NAME} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
  endif()
  if(ARG_LABELS)
    set_tests_properties(${ARG_NAME} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()

# project_plain_test(NAME <test> COMMAND ...): a test that runs no GoogleTest program (a
# script judging a program by its own output), as add_test takes it.
function(project_plain_test)
  cmake_parse_arguments(ARG "" "NAME" "" ${ARGN})
  add_test(NAME ${ARG_NAME} ${ARG_UNPARSED_ARGUMENTS})
  set_property(GLOBAL APPEND PROPERTY VERDICT_PLAIN_TESTS ${ARG_NAME})
endfunction()

# project_test(<name> [LOCK <resource>] SOURCES ... [LIBS ...]): one GoogleTest executable, each case
# a ctest test; tests holding the same LOCK never run at once.
# Every test runs on the headless window backend, in the time zone of the program's users.
function(project_test name)
  cmake_parse_arguments(ARG "" "LOCK" "SOURCES;LIBS" ${ARGN})
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
  set(lock "")
  if(ARG_LOCK)
    set(lock RESOURCE_LOCK ${ARG_LOCK})
  endif()
  project_discover_tests(${name}
    PROPERTIES ENVIRONMENT PLATFORM_BACKEND=headless TIMEOUT 120 ${lock})
endfunction()

# True in <out> when <target> links GoogleTest, itself or through a library of ours.
function(links_gtest target out)
  set(${out} FALSE PARENT_SCOPE)
  get_target_property(type ${target} TYPE)
  set(libraries "")
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(own ${target} LINK_LIBRARIES)
    if(own)
      list(APPEND libraries ${own})
    endif()
  endif()
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  if(interface)
    list(APPEND libraries ${interface})
  endif()
  foreach(library IN LISTS libraries)
    if(library MATCHES "^GTest::")
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(TARGET ${library})
      get_target_property(imported ${library} IMPORTED)
      if(NOT imported)
        links_gtest(${library} found)
        if(found)
          set(${out} TRUE PARENT_SCOPE)
          return()
        endif()
      endif()
    endif()
  endforeach()
endfunction()

function(check_folder_registrations folder)
  get_property(guarded GLOBAL PROPERTY VERDICT_GUARDED_TESTS)
  get_property(plain GLOBAL PROPERTY VERDICT_PLAIN_TESTS)
  get_property(tests DIRECTORY ${folder} PROPERTY TESTS)
  foreach(test IN LISTS tests)
    if(NOT test IN_LIST guarded AND NOT test IN_LIST plain)
      message(FATAL_ERROR "test ${test} (${folder}) is registered by add_test itself: use project_suite_test, "
        "project_discover_tests or, for a test that runs no GoogleTest program, project_plain_test")
    endif()
  endforeach()
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "EXECUTABLE")
      continue()
    endif()
    get_target_property(is_guarded ${target} VERDICT_GUARDED)
    if(is_guarded)
      continue()
    endif()
    links_gtest(${target} found)
    if(found)
      message(FATAL_ERROR "the GoogleTest program ${target} (${folder}) runs without the verdict guard: "
        "register it with project_test, project_discover_tests or project_suite_test")
    endif()
  endforeach()
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder IN LISTS subfolders)
    check_folder_registrations(${subfolder})
  endforeach()
endfunction()

# Called once the whole tree is configured.
function(check_test_registrations)
  check_folder_registrations(${CMAKE_SOURCE_DIR})
endfunction()

# mirror_skin(<target>): the program's skin folder beside the target's executable, where
# a program looks for it (its own folder + "skin"), copied again whenever a file of it
# changes. Executables of one folder share one copy: copies made side by side into the
# same place would remove each other's files.
function(mirror_skin target)
  file(RELATIVE_PATH folder ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  string(MAKE_C_IDENTIFIER "skin_mirror_${folder}" mirror)
  if(NOT TARGET ${mirror})
    file(GLOB_RECURSE skin_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skin/*)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/skin.stamp)
    add_custom_command(OUTPUT ${stamp}
      COMMAND ${CMAKE_COMMAND} -E remove_directory ${CMAKE_CURRENT_BINARY_DIR}/skin
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/skin ${CMAKE_CURRENT_BINARY_DIR}/skin
      COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
      DEPENDS ${skin_files}
      COMMENT "Mirroring the skin into ${folder}")
    add_custom_target(${mirror} DEPENDS ${stamp})
  endif()
  add_dependencies(${target} ${mirror})
endfunction()

# mirror_pages(<target>): the program's local pages beside the target's executable, where
# the program looks for them (its own folder + "html", "InspectRecord" and "error.html"),
# copied again whenever one of them changes. One copy per folder, as for the skin.
function(mirror_pages target)
  file(RELATIVE_PATH folder ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  string(MAKE_C_IDENTIFIER "pages_mirror_${folder}" mirror)
  if(NOT TARGET ${mirror})
    file(GLOB_RECURSE page_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/html/* ${CMAKE_SOURCE_DIR}/InspectRecord/*)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/pages.stamp)
    set(copies "")
    foreach(page_folder html InspectRecord)
      list(APPEND copies
        COMMAND ${CMAKE_COMMAND} -E remove_directory ${CMAKE_CURRENT_BINARY_DIR}/${page_folder}
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/${page_folder}
                ${CMAKE_CURRENT_BINARY_DIR}/${page_folder})
    endforeach()
    add_custom_command(OUTPUT ${stamp}
      ${copies}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/error.html ${CMAKE_CURRENT_BINARY_DIR}/error.html
      COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
      DEPENDS ${page_files} ${CMAKE_SOURCE_DIR}/error.html
      COMMENT "Mirroring the local pages into ${folder}")
    add_custom_target(${mirror} DEPENDS ${stamp})
  endif()
  add_dependencies(${target} ${mirror})
endfunction()

# embed_resources(<target>): the module resources of resources/<type>/<name>.<ext>
# compiled into the target, registered when it starts (FindResourceW and LoadImageW read
# them). The table is written again whenever a resource file changes.
function(embed_resources target)
  file(GLOB_RECURSE resource_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}-resources.cpp)
  set(text "// Written by embed_resources from resources/.\n#include \"platform/base/Resource.h\"\n\nnamespace {\n\n")
  set(entries "")
  set(index 0)
  foreach(file IN LISTS resource_files)
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR}/resources ${file})
    get_filename_component(type ${relative} DIRECTORY)
    get_filename_component(name ${relative} NAME_WE)
    file(READ ${file} bytes HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
    string(APPEND text "const unsigned char kData${index}[] = {${bytes}};\n")
    string(APPEND entries "    {\"${type}\", \"${name}\", kData${index}, sizeof kData${index}},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  if(index EQUAL 0)
    string(APPEND text "const bool kRegistered = true;\n\n}  // namespace\n")
  else()
    string(APPEND text "\nconst platform::ModuleResource kResources[] = {\n${entries}};\n\n"
      "const bool kRegistered = (platform::RegisterModuleResources(kResources, sizeof kResources / sizeof kResources[0]), true);\n\n"
      "}  // namespace\n")
  endif()
  file(CONFIGURE OUTPUT ${source} CONTENT "${text}")
  target_sources(${target} PRIVATE ${source})
endfunction()
