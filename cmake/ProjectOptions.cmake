# Compiler settings every target of the project shares.
add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
  -Wall -Wextra -Wno-unused-parameter
  # Narrow text inside the program is GBK, literals included; sources stay UTF-8.
  -finput-charset=UTF-8 -fexec-charset=GBK
)
target_include_directories(project_options INTERFACE ${CMAKE_SOURCE_DIR})
target_link_libraries(project_options INTERFACE Threads::Threads)

# Third-party libraries, found once for every folder.
find_package(Boost 1.74 REQUIRED COMPONENTS thread filesystem serialization locale date_time system)
find_package(PkgConfig REQUIRED)
pkg_check_modules(JSONCPP REQUIRED IMPORTED_TARGET jsoncpp)
pkg_check_modules(TINYXML2 REQUIRED IMPORTED_TARGET tinyxml2)
pkg_check_modules(CURL REQUIRED IMPORTED_TARGET libcurl)
pkg_check_modules(RABBITMQ REQUIRED IMPORTED_TARGET librabbitmq)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
pkg_check_modules(PANGOCAIRO REQUIRED IMPORTED_TARGET pangocairo pangoft2 fontconfig)
pkg_check_modules(PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET libavformat libavcodec libswscale libavutil)
find_package(ZLIB REQUIRED)
find_package(OpenSSL REQUIRED)
find_package(X11 REQUIRED)

# The sanitizer build (scripts/sanitize): the GTK programs export their symbols, and the
# dynamic linker then binds the web engine's own calls to the standard library's
# shared-pointer release (JavaScriptCore holds its objects in std::shared_ptr) to the
# program's instrumented copy. That copy checks the control block's vtable for a type,
# and JavaScriptCore is built without run-time type information, so every release of
# one of its blocks reads as an invalid vptr. Kept local, the engine's calls stay in
# its own copy; the program's own releases are checked as before.
target_link_options(project_options INTERFACE
  $<$<CONFIG:Sanitize>:LINKER:--version-script=${CMAKE_SOURCE_DIR}/cmake/SanitizedExports.map>)
