# A combo box's drop-down of 2,000 rows opened and closed per second (the rows lent to
# it and measured, the ones near its view placed, then given back), beside laying the
# same rows out in a bare vertical layout; each with plain rows and with rows of markup
# text.
project_benchmark(bench_popups
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/PopupBench.cpp ${CMAKE_CURRENT_SOURCE_DIR}/HeadlessMain.cpp
  LIBS ui_controls ui_core testing_driver)
