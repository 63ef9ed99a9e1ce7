# Every test is registered through these two functions, so none comes without a time limit:
# a hang then fails by its name instead of stalling the whole run.
include(GoogleTest)

# Generous, for the long cross-checks under the sanitizers on a loaded machine.
set(MIZARO_TEST_TIMEOUT 300)

# mizaro_add_test(NAME name COMMAND command... [WORKING_DIRECTORY dir] [TIMEOUT seconds]
#                 [PROPERTIES property value...])
function(mizaro_add_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;WORKING_DIRECTORY;TIMEOUT" "COMMAND;PROPERTIES")
  if(NOT arg_NAME OR NOT arg_COMMAND OR arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "mizaro_add_test: NAME and COMMAND, and nothing unknown, please")
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT ${MIZARO_TEST_TIMEOUT})
  endif()
  if(NOT arg_WORKING_DIRECTORY)
    set(arg_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND} WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
  set_tests_properties(${arg_NAME} PROPERTIES TIMEOUT ${arg_TIMEOUT} ${arg_PROPERTIES})
endfunction()

# Every case of a GoogleTest program as a test of its own, run beside the generated tables.
# mizaro_discover_tests(target [TIMEOUT seconds] [PROPERTIES property value...])
function(mizaro_discover_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT" "PROPERTIES")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "mizaro_discover_tests: unknown ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT ${MIZARO_TEST_TIMEOUT})
  endif()
  gtest_discover_tests(${target} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT ${arg_TIMEOUT} ${arg_PROPERTIES})
endfunction()
