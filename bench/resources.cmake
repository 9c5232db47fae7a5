# Loading a language module and reading strings. KVRBENCH is a module of program size: the
# whole of res/kvrWizard.rc (every string, dialog and picture) compiled as a language module.
kvr_add_language_module(KVRBENCH ${CMAKE_SOURCE_DIR}/res/kvrWizard.rc)
add_executable(resource_bench ResourceBench.cpp)
target_link_libraries(resource_bench PRIVATE kvr_ui benchmark::benchmark)
add_dependencies(resource_bench KVRBENCH)
