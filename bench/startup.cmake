# Milliseconds from wWinMain's start to the first presented image of the main frame, on the
# headless backend against the school of the campus server's fixtures served in process,
# beside the same start-up requests made by the data layer alone.
project_benchmark(bench_startup
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/StartupBench.cpp ${CMAKE_CURRENT_LIST_DIR}/HeadlessMain.cpp
  LIBS app_client campus_server_core testing_driver testing_services testing_http data CommonTools)
target_compile_definitions(bench_startup PRIVATE CAMPUS_SERVER_FIXTURES="${CMAKE_SOURCE_DIR}/tools/campus-server/fixtures")
mirror_skin(bench_startup)
