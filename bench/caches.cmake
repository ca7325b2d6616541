# Resident memory of the start-up caches holding 10,000 checkpoints, readers, people and
# plans: the peak while loading them from replies and what they keep.
project_benchmark(bench_caches
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CacheMemoryBench.cpp
  LIBS data)
