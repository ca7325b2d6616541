# The real program headless against a generated school of 100, 1,000 and 10,000 plans
# served by the campus server in its own process: start to the painted main frame, the
# home page's fill, peak memory, the result page's first page and a device-record page
# turn beside the data layer's bare fetch of the same records.
if(NOT TARGET campus-server)
  return()
endif()
project_benchmark(bench_school
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SchoolBench.cpp ${CMAKE_CURRENT_LIST_DIR}/HeadlessMain.cpp
  LIBS app_client testing_driver data CommonTools)
add_dependencies(bench_school campus-server)
target_compile_definitions(bench_school PRIVATE CAMPUS_SERVER_PATH="$<TARGET_FILE:campus-server>")
mirror_skin(bench_school)
