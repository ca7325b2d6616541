# Markup texts laid out and drawn, and nine-grid skin pictures drawn, per second by the
# render engine, beside the same text through DrawTextW and the same pictures as
# single stretched blends.
project_benchmark(bench_render
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RenderBench.cpp ${CMAKE_CURRENT_LIST_DIR}/HeadlessMain.cpp
  LIBS ui_core testing_driver)
