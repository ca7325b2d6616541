# The memory of one framework control with nothing set, a bare control and a button:
# its size and the heap it holds, measured over 1,000 made at once, beside a plain block
# of the 4 KB a control may cost.
project_benchmark(bench_controls
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ControlMemoryBench.cpp ${CMAKE_CURRENT_LIST_DIR}/HeadlessMain.cpp
  LIBS ui_controls ui_core)
