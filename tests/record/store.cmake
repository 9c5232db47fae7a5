kvr_add_test(kvr_record_store_test
  SOURCES RegistryStoreTest.cpp
  LIBS kvr_record kvr_platform kvr_log)
