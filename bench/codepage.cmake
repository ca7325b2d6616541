# Bytes per second of the code-page conversions on reply-sized texts, beside one bare
# iconv call over the same bytes with a descriptor opened once.
project_benchmark(bench_codepage
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CodePageBench.cpp
  LIBS platform_base)
