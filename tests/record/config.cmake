kvr_add_test(ProductConfigTest
  SOURCES ProductConfigCodecTest.cpp ProductConfigTest.cpp ProductConfigInstanceTest.cpp
          KvrcfgTest.cpp AllocationCounter.cpp
  LIBS kvr_record)

# Copied by the tests into a directory of their own, beside a stand-in wizard.
add_executable(productConfigProbe ProductConfigProbe.cpp)
target_link_libraries(productConfigProbe PRIVATE kvr_record)

add_dependencies(ProductConfigTest kvrcfg productConfigProbe sample_config)
