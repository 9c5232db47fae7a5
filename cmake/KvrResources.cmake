# Resource scripts (.rc) compiled by kvrrc (tools/kvrrc) into C++ tables.

# kvr_compile_resources(<out-var> <script> [FUNCTION <qualified name>] [INCLUDE_DIRS <dir>...])
# Generates the C++ source of <script> and stores its path in <out-var>. With FUNCTION the
# tables are returned by that C++ function; without, by the language-module entry point.
# INCLUDE_DIRS are searched for #include files and pictures, as windres's -I directories.
function(kvr_compile_resources out_var script)
  cmake_parse_arguments(R "" "FUNCTION" "INCLUDE_DIRS" ${ARGN})
  get_filename_component(script "${script}" ABSOLUTE)
  get_filename_component(name "${script}" NAME_WE)
  string(MD5 tag "${script}")
  string(SUBSTRING "${tag}" 0 8 tag)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/kvrrc/${name}-${tag}.cpp")
  set(extra_args)
  if(R_FUNCTION)
    set(extra_args --function ${R_FUNCTION})
  endif()
  foreach(dir IN LISTS R_INCLUDE_DIRS)
    get_filename_component(dir "${dir}" ABSOLUTE)
    list(APPEND extra_args -I "${dir}")
  endforeach()
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/kvrrc"
    COMMAND kvrrc ${extra_args} --depfile "${out}.d" -o "${out}" "${script}"
    DEPENDS kvrrc "${script}"
    DEPFILE "${out}.d"
    COMMENT "Compiling resources ${name}.rc"
    VERBATIM)
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

# kvr_add_resource_library(<target> <script> FUNCTION <qualified name>)
# A static library of a script's tables, returned by FUNCTION (the program's own resources).
function(kvr_add_resource_library target script)
  cmake_parse_arguments(R "" "FUNCTION" "" ${ARGN})
  kvr_compile_resources(source "${script}" FUNCTION ${R_FUNCTION})
  add_library(${target} STATIC "${source}")
endfunction()

# kvr_add_language_module(<name> <script> [INCLUDE_DIRS <dir>...])
# A language module: a shared library named exactly <name> plus the platform's suffix
# ("KVOVXDEU.so", no "lib"), in the directory of the programs, exporting kvrResourceTables().
function(kvr_add_language_module name script)
  cmake_parse_arguments(R "" "" "INCLUDE_DIRS" ${ARGN})
  kvr_compile_resources(source "${script}" INCLUDE_DIRS ${R_INCLUDE_DIRS})
  add_library(${name} SHARED "${source}")
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${name}
    LIBRARY_OUTPUT_DIRECTORY "${CMAKE_LIBRARY_OUTPUT_DIRECTORY}")
endfunction()
