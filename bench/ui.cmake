# The dialog framework: a page opened and closed headless; the terminal demo's first frame and peak RSS.
add_executable(ui_bench UiBench.cpp)
target_compile_definitions(ui_bench PRIVATE KVR_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
target_link_libraries(ui_bench PRIVATE kvr_ui_framework benchmark::benchmark util)
add_dependencies(ui_bench kvrUiDemo)
