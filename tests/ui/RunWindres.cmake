# cmake -DWINDRES=... -DFLAGS=a|b|c -DSOURCE_DIR=... -DOUT_DIR=... -P RunWindres.cmake
file(GLOB scripts
  ${SOURCE_DIR}/res/kvrWizard.rc
  ${SOURCE_DIR}/res/lang/[A-Z][A-Z][A-Z].rc
  ${SOURCE_DIR}/tests/ui/testdata/*.rc
  ${SOURCE_DIR}/tests/app/testdata/*.rc)
string(REPLACE "|" ";" flags "${FLAGS}")
set(refused 0)
foreach(script IN LISTS scripts)
  get_filename_component(dir ${script} DIRECTORY)
  execute_process(
    COMMAND ${WINDRES} ${flags} -I ${dir} -I ${SOURCE_DIR}/res ${script} -O coff -o ${OUT_DIR}/windres-check.o
    WORKING_DIRECTORY ${dir}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
  if(result EQUAL 0)
    message(STATUS "windres accepts ${script}")
  else()
    message(SEND_ERROR "windres refuses ${script}:\n${output}${errors}")
    math(EXPR refused "${refused} + 1")
  endif()
endforeach()
file(REMOVE ${OUT_DIR}/windres-check.o)
list(LENGTH scripts count)
if(refused GREATER 0)
  message(FATAL_ERROR "windres refuses ${refused} of ${count} scripts")
endif()
message(STATUS "windres accepts all ${count} scripts")
