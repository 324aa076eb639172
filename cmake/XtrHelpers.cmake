# Small helpers shared by the CMake files of the tree.

# xtr_core_library(NAME DIR [DEPS ...]): a static library made of every .cpp
# file in DIR. Globbing keeps the subsystems independent: adding a file to a
# folder needs no edit of a CMake file.
function(xtr_core_library name dir)
  file(GLOB _sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT _sources)
    # A subsystem that has no code yet still takes part in the links.
    set(_sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${_sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  if(ARGN)
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()

# xtr_test_suite(NAME DIR [SERIAL] LIBS...): one GoogleTest program made of
# every .cpp file in DIR, registered with CTest test by test. SERIAL keeps
# ctest from running other tests beside its tests (for tests that run
# programs in real time). Its main function
# (xtr_testmain) fails a test that asks for the time without a time service.
function(xtr_test_suite name dir)
  cmake_parse_arguments(PARSE_ARGV 2 _suite "SERIAL" "" "")
  file(GLOB _sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT _sources)
    return()
  endif()
  set(_serial FALSE)
  if(_suite_SERIAL)
    set(_serial TRUE)
  endif()
  add_executable(${name} ${_sources})
  target_link_libraries(${name} PRIVATE ${_suite_UNPARSED_ARGUMENTS} xtr_testsupport xtr_testmain GTest::gtest GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_dependencies(${name} xtr_data)
  set_property(GLOBAL APPEND PROPERTY XTR_TEST_SUITES ${name})
  set(_environment "XTR450_DATA_DIR=${XTR_RUNTIME_DIR};QT_QPA_PLATFORM=offscreen")
  if(CMAKE_CROSSCOMPILING)
    # Listing the tests would start the emulator at build time: a cross
    # build registers each program as one test, run through the emulator.
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set_tests_properties(${name} PROPERTIES RUN_SERIAL ${_serial} ENVIRONMENT "${_environment}")
  else()
    gtest_discover_tests(${name}
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
      PROPERTIES RUN_SERIAL ${_serial} ENVIRONMENT "${_environment}"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
