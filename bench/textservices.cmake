# The text services typing into a 100,000-character multi-line text, beside a bare
# pango layout of the same text laid out again, and reading that text back.
project_benchmark(bench_textservices
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TextServicesBench.cpp
  LIBS platform_textservices platform_user platform_gdi PkgConfig::PANGOCAIRO)
