# Records per second of the patrol-server reply parsers (checkpoints, readers, device
# records against full caches) beside a bare JsonCpp parse of the same replies.
project_benchmark(bench_data
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DataParseBench.cpp
  LIBS data)
