# Requests per second of the REST transport beside a plain Beast client on the same
# exchange, and lines per second of the two loggers beside plain file writes.
project_benchmark(bench_transports
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/HttpTransportBench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LoggerBench.cpp
  LIBS CommonTools testing_http testing_files)
