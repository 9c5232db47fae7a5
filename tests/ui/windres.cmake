# Runs windres over res/kvrWizard.rc, every res/lang/*.rc and the test scripts. windres needs a
# C preprocessor that finds <winres.h>: the MinGW cross compiler, or the host's gcc with the
# MinGW headers. Without them the test is left out, with a note at configure time.
find_program(KVR_WINDRES i686-w64-mingw32-windres)
find_program(KVR_MINGW_GCC i686-w64-mingw32-gcc)
find_program(KVR_HOST_GCC gcc)
find_path(KVR_MINGW_INCLUDE winres.h PATHS /usr/i686-w64-mingw32/include NO_DEFAULT_PATH)

set(windres_flags)
if(KVR_WINDRES AND KVR_MINGW_GCC)
  set(windres_flags "--preprocessor=${KVR_MINGW_GCC}|--preprocessor-arg=-E|--preprocessor-arg=-xc|--preprocessor-arg=-DRC_INVOKED")
elseif(KVR_WINDRES AND KVR_HOST_GCC AND KVR_MINGW_INCLUDE)
  set(windres_flags "--preprocessor=${KVR_HOST_GCC}|--preprocessor-arg=-E|--preprocessor-arg=-xc|--preprocessor-arg=-DRC_INVOKED|--preprocessor-arg=-D_WIN32|-I|${KVR_MINGW_INCLUDE}")
endif()

if(windres_flags)
  add_test(NAME windres_accepts_resource_scripts
    COMMAND ${CMAKE_COMMAND} -DWINDRES=${KVR_WINDRES} -DFLAGS=${windres_flags}
            -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DOUT_DIR=${CMAKE_CURRENT_BINARY_DIR}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/RunWindres.cmake)
else()
  message(STATUS "windres test left out: needs i686-w64-mingw32-windres and either "
                 "i686-w64-mingw32-gcc or gcc with the MinGW headers (mingw-w64-i686-dev)")
endif()
