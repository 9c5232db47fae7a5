# Started by the registry tests to write into one hive from several processes.
add_executable(hive_writer hive_writer.cpp)
target_link_libraries(hive_writer PRIVATE kvr_platform)

kvr_add_test(kvr_platform_registry_test
  SOURCES HiveFileTest.cpp PosixRegistryTest.cpp
  LIBS kvr_platform kvr_log)
add_dependencies(kvr_platform_registry_test hive_writer)
