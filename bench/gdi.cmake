# Frames per second of a full 1920 x 1080 window repaint through the drawing layer
# beside the same scene drawn with cairo and pango directly.
project_benchmark(bench_gdi
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/GdiPaintBench.cpp ${CMAKE_CURRENT_SOURCE_DIR}/RepaintScene.cpp
  LIBS platform_gdi PkgConfig::CAIRO PkgConfig::PANGOCAIRO PkgConfig::PIXMAN)
