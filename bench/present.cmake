# Full window repaints per second from InvalidateRect to pixels the backend presents
# (PLATFORM_BACKEND: headless, or x11 under Xvfb with MIT-SHM), beside the same scene
# drawn with cairo and copied once into an X image.
pkg_check_modules(PRESENT_BENCH_X11 REQUIRED IMPORTED_TARGET x11 xext)
project_benchmark(bench_present
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WindowPresentBench.cpp ${CMAKE_CURRENT_LIST_DIR}/HeadlessMain.cpp ${CMAKE_CURRENT_LIST_DIR}/RepaintScene.cpp
  LIBS platform_user platform_gdi testing_driver platform_backend_x11 PkgConfig::PRESENT_BENCH_X11
       PkgConfig::CAIRO PkgConfig::PANGOCAIRO PkgConfig::PIXMAN)
