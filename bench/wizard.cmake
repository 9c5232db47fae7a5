add_executable(wizard_bench WizardBench.cpp)
target_compile_definitions(wizard_bench PRIVATE KVR_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
target_link_libraries(wizard_bench PRIVATE benchmark::benchmark util)
add_dependencies(wizard_bench kvrWizard)
