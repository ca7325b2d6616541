# The device-record export of 10,000 and of 100,000 records written to a file through
# the automation layer, beside a bare libxlsxwriter loop writing the same cells with the
# same formats.
project_benchmark(bench_records
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RecordsBench.cpp
  LIBS app_records platform_spreadsheet PkgConfig::XLSXWRITER)
