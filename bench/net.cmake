add_executable(net_bench NetBench.cpp ${CMAKE_SOURCE_DIR}/tests/net/LoopbackServer.cpp
                         ${CMAKE_SOURCE_DIR}/tests/support/TempDir.cpp)
target_include_directories(net_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/net ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(net_bench PRIVATE kvr_net benchmark::benchmark)
