# The registration record: its map order, request fragment, client number and saved answers.
kvr_compile_resources(kvr_record_test_strings ${CMAKE_CURRENT_SOURCE_DIR}/testdata/recordstrings.rc
                      FUNCTION kvr::test::recordStringTables)
kvr_add_test(kvr_registration_record_test
  SOURCES RegistrationRecordTest.cpp BucketMapTest.cpp RequestEncodingTest.cpp
          ${kvr_record_test_strings}
  LIBS kvr_record kvr_offline kvr_ui kvr_brand)
