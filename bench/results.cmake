# The result page's device-record tab over 10,000 records and its results tab over a
# month of 50 plans with 6 slots, shown per second from the fake patrol server, each
# beside the bare data-layer fetch of the same reply.
project_benchmark(bench_result_page
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ResultPageBench.cpp ${CMAKE_CURRENT_LIST_DIR}/HeadlessMain.cpp
  LIBS app_records data_test_world testing_services testing_driver)
# The page reads its skins from beside the program.
mirror_skin(bench_result_page)
