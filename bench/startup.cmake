add_executable(startup_bench StartupBench.cpp)
target_compile_definitions(startup_bench PRIVATE KVR_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
add_dependencies(startup_bench kvrWizard)
