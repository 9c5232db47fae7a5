add_executable(sysinfo_bench SysinfoBench.cpp)
target_link_libraries(sysinfo_bench PRIVATE kvr_sysinfo kvr_pmem_sources benchmark::benchmark)
# BM_ReadBiosIdentity loads the real library from beside the benchmark.
add_dependencies(sysinfo_bench pmemw)
