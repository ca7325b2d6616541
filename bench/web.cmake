# The dashboard's chart on WebKitGTK (needs a display for GTK): from loading the chart
# page to the first window image with bars, in milliseconds; and one 30-ms tick's paint
# at 1920 x 900 (wkePaint2 and BitBlt) beside a plain copy of the same buffer. The local
# pages are mirrored beside the benchmark, where the program has them.
project_benchmark(bench_web
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WebChartBench.cpp ${CMAKE_CURRENT_LIST_DIR}/HeadlessMain.cpp
  LIBS app_frame platform_web testing_driver PkgConfig::CAIRO)
mirror_pages(bench_web)
