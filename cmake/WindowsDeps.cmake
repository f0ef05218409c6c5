# The third-party libraries of the Windows build, compiled from the sources
# that scripts/windows-deps.sh puts into BUILD_DIR/deps; they provide the same
# targets the Linux build finds as Debian packages. Included before the
# project's own warning flags: their code is not held to them.
set(deps_paths ${CMAKE_BINARY_DIR}/deps/paths.cmake)
if(NOT EXISTS ${deps_paths})
  message(FATAL_ERROR "run scripts/windows-deps.sh ${CMAKE_BINARY_DIR} first")
endif()
include(${deps_paths})
enable_language(C)

add_library(pugixml STATIC ${VELKOR_PUGIXML_SOURCE_DIR}/pugixml.cpp)
target_include_directories(pugixml SYSTEM PUBLIC ${VELKOR_PUGIXML_SOURCE_DIR})
add_library(pugixml::pugixml ALIAS pugixml)

add_library(sqlite3 STATIC ${VELKOR_SQLITE_SOURCE_DIR}/sqlite3.c)
target_include_directories(sqlite3 SYSTEM PUBLIC ${VELKOR_SQLITE_SOURCE_DIR})
target_compile_definitions(sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION)
add_library(SQLite::SQLite3 ALIAS sqlite3)

set(EXPAT_BUILD_TOOLS OFF CACHE BOOL "" FORCE)
set(EXPAT_BUILD_EXAMPLES OFF CACHE BOOL "" FORCE)
set(EXPAT_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(EXPAT_BUILD_DOCS OFF CACHE BOOL "" FORCE)
set(EXPAT_SHARED_LIBS OFF CACHE BOOL "" FORCE)
set(EXPAT_BUILD_PKGCONFIG OFF CACHE BOOL "" FORCE)
add_subdirectory(${VELKOR_EXPAT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/expat EXCLUDE_FROM_ALL)
# Debian's patches test "XML_DTD == 1" as the autotools header defines it;
# Expat's own CMake header defines the two switches empty.
set(expat_config ${CMAKE_BINARY_DIR}/expat/expat_config.h)
file(READ ${expat_config} text)
string(REGEX REPLACE "#define (XML_DTD|XML_NS)\n" "#define \\1 1\n" text "${text}")
file(WRITE ${expat_config} "${text}")
if(NOT TARGET EXPAT::EXPAT)
  add_library(EXPAT::EXPAT ALIAS expat)
endif()

add_library(utf8proc STATIC ${VELKOR_UTF8PROC_SOURCE_DIR}/utf8proc.c)
target_include_directories(utf8proc SYSTEM PUBLIC ${VELKOR_UTF8PROC_SOURCE_DIR})
target_compile_definitions(utf8proc PUBLIC UTF8PROC_STATIC)
add_library(utf8proc::utf8proc ALIAS utf8proc)

foreach(name nlohmann_json CLI11)
  add_library(${name} INTERFACE)
  target_include_directories(${name} SYSTEM INTERFACE ${VELKOR_HEADER_ONLY_DIR})
  add_library(${name}::${name} ALIAS ${name})
endforeach()

if(VELKOR_BUILD_TESTS)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # Defines GTest::gtest, GTest::gtest_main and GTest::gmock itself.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
