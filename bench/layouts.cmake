# Skins built into control trees and laid out, and full paints of the tree, per second,
# beside parsing the same markup alone and filling the same rectangles directly; the
# skin of base controls beside the same skin of labels, buttons, options and check boxes.
project_benchmark(bench_layouts
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/LayoutBench.cpp ${CMAKE_CURRENT_SOURCE_DIR}/HeadlessMain.cpp
  LIBS ui_controls ui_core testing_driver)
