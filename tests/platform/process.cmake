# Started by the process-start and launcher tests; lands in the bin directory.
add_executable(argv_recorder argv_recorder.cpp)

kvr_add_test(kvr_platform_process_test
  SOURCES WindowsCommandLineTest.cpp PosixProcessTest.cpp
  LIBS kvr_platform)
add_dependencies(kvr_platform_process_test argv_recorder)
