# The control's type library, generated at build time from the published
# member tables (src/control/Slots.cpp, PublishedTypes.cpp):
#   velkor_idlgen (run under the emulator) -> velkor.idl, DualThunks.h
#   widl                                   -> velkor.tlb, velkor_idl.h
#   velkor_typelib.rc                      -> the tlb as resource 1 TYPELIB
# Defines the INTERFACE target velkor_typelib (include directory with
# velkor_idl.h, DualThunks.h and DualPacking.h; depends on their generation)
# and VELKOR_TYPELIB_RC and VELKOR_TYPELIB_TLB (cached, so that the tests see
# them too).
# velkor_embed_typelib(TARGET) adds the .rc to a target so that it is rebuilt
# whenever the library changes.

find_program(VELKOR_WIDL NAMES x86_64-w64-mingw32-widl widl REQUIRED)
# Wine's IDL files (libwine-dev) and its stdole2.tlb (libwine), which the
# library imports.
find_path(VELKOR_WINE_IDL_DIR objsafe.idl REQUIRED NO_CMAKE_FIND_ROOT_PATH
          PATHS /usr/include/wine/wine/windows /usr/include/wine/windows)
find_path(VELKOR_STDOLE_DIR stdole2.tlb REQUIRED NO_CMAKE_FIND_ROOT_PATH
          PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/wine/x86_64-windows)

set(typelib_dir ${PROJECT_BINARY_DIR}/generated/typelib)
file(MAKE_DIRECTORY ${typelib_dir})

# The writers are a library of their own: the tests read the type mapping
# from it.
file(GLOB idlgen_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/idlgen/*.cpp)
list(FILTER idlgen_sources EXCLUDE REGEX "/main\\.cpp$")
add_library(velkor_idlgen_writers STATIC ${idlgen_sources})
target_link_libraries(velkor_idlgen_writers PUBLIC velkor)
add_executable(velkor_idlgen ${CMAKE_CURRENT_SOURCE_DIR}/tools/idlgen/main.cpp)
target_link_libraries(velkor_idlgen PRIVATE velkor_idlgen_writers)

# The generator leaves an unchanged file alone; the stamp records the run and
# Ninja's restat skips what depends on the untouched files.
add_custom_command(
  OUTPUT ${typelib_dir}/idlgen.stamp
  BYPRODUCTS ${typelib_dir}/velkor.idl ${typelib_dir}/DualThunks.h
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:velkor_idlgen> ${typelib_dir}
  COMMAND ${CMAKE_COMMAND} -E touch ${typelib_dir}/idlgen.stamp
  DEPENDS velkor_idlgen
  COMMENT "Writing velkor.idl and DualThunks.h from the published tables")

add_custom_command(
  OUTPUT ${typelib_dir}/velkor.tlb ${typelib_dir}/velkor_idl.h
  COMMAND ${VELKOR_WIDL} --win64 -I${VELKOR_WINE_IDL_DIR} -L${VELKOR_STDOLE_DIR}
          -t -T velkor.tlb -h -H velkor_idl.h velkor.idl
  DEPENDS ${typelib_dir}/velkor.idl
  WORKING_DIRECTORY ${typelib_dir}
  COMMENT "Compiling the type library velkor.tlb")

configure_file(${CMAKE_CURRENT_SOURCE_DIR}/tools/idlgen/DualPacking.h
               ${typelib_dir}/DualPacking.h COPYONLY)
file(WRITE ${typelib_dir}/velkor_typelib.rc.in "1 TYPELIB \"${typelib_dir}/velkor.tlb\"\n")
configure_file(${typelib_dir}/velkor_typelib.rc.in ${typelib_dir}/velkor_typelib.rc COPYONLY)

add_custom_target(velkor_typelib_files
  DEPENDS ${typelib_dir}/velkor.tlb ${typelib_dir}/velkor_idl.h ${typelib_dir}/idlgen.stamp)
add_library(velkor_typelib INTERFACE)
target_include_directories(velkor_typelib INTERFACE ${typelib_dir})
add_dependencies(velkor_typelib velkor_typelib_files)

set(VELKOR_TYPELIB_RC ${typelib_dir}/velkor_typelib.rc CACHE INTERNAL "The type library's .rc")
set(VELKOR_TYPELIB_TLB ${typelib_dir}/velkor.tlb CACHE INTERNAL "The compiled type library")

# velkor_embed_rc(TARGET RC TLB DEPENDENCY): a type library's .rc into
# TARGET, rebuilt whenever the library (made by DEPENDENCY) changes.
function(velkor_embed_rc target rc tlb dependency)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS ${tlb})
  add_dependencies(${target} ${dependency})
endfunction()

function(velkor_embed_typelib target)
  velkor_embed_rc(${target} ${VELKOR_TYPELIB_RC} ${VELKOR_TYPELIB_TLB} velkor_typelib_files)
endfunction()
