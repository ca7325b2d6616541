# The plan page opened, refreshed and scrolled through with 10,000 cached plans per
# second (cards for the rows on screen and about them), beside the same tiles refilled
# with 10,000 bare layouts of a card's size.
project_benchmark(bench_plans
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PlanPageBench.cpp ${CMAKE_CURRENT_LIST_DIR}/HeadlessMain.cpp
  LIBS app_management testing_driver)
# The page loads its skin from beside the program.
mirror_skin(bench_plans)
