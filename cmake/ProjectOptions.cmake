# Compiler settings every target of the project shares.
add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
  -Wall -Wextra -Wno-unused-parameter
  # Narrow text inside the program is GBK, literals included; sources stay UTF-8.
  -finput-charset=UTF-8 -fexec-charset=GBK
)
target_include_directories(project_options INTERFACE ${CMAKE_SOURCE_DIR})
target_link_libraries(project_options INTERFACE Threads::Threads)
