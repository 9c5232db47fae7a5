kvr_add_test(validation_test
  SOURCES ValidationTextTest.cpp ContactChecksTest.cpp
  LIBS kvr_offline kvr_record)
add_dependencies(validation_test kvr_language_modules)
