# Lists of 10,000 rows scrolled a wheel step and painted whole per second, filled and
# emptied, and a 10,000-node tree's top node collapsed and expanded, each beside the
# same rows in a bare vertical layout.
project_benchmark(bench_lists
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ListBench.cpp ${CMAKE_CURRENT_LIST_DIR}/HeadlessMain.cpp
  LIBS ui_controls ui_core testing_driver)
