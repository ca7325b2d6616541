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
