# zendaro_add_test(NAME name SOURCES a.cpp ... LIBS lib ... [BOTH_STORES])
# Builds one Qt Test executable and registers it with CTest, headless, with the
# folder of the test databases and the source folder known to the test.
# BOTH_STORES registers its PostgreSQL twin as well, name_pg: the same suite
# body on the test server (TestDatabase makes its stores there when
# ZENDARO_TEST_TWIN names the twin; each twin has databases of its own, so
# the twins run side by side).
function(zendaro_add_test)
  cmake_parse_arguments(T "BOTH_STORES" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test zendaro_testsupport ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    ZENDARO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ZENDARO_APP_DIR="${ZENDARO_APP_DIR}"
    ZENDARO_SHIPPED_DATABASE="${ZENDARO_SHIPPED_DATABASE}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;ASAN_OPTIONS=detect_leaks=0:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    TIMEOUT 300)
  if(T_BOTH_STORES)
    add_test(NAME ${T_NAME}_pg COMMAND ${T_NAME})
    get_test_property(${T_NAME} ENVIRONMENT environment)
    set_tests_properties(${T_NAME}_pg PROPERTIES
      ENVIRONMENT "${environment};ZENDARO_TEST_TWIN=${T_NAME}_pg" TIMEOUT 300)
    zendaro_uses_test_server(${T_NAME}_pg)
  endif()
endfunction()

# zendaro_uses_test_server(test)
# The test runs its store suite on a PostgreSQL server as well: a throwaway
# cluster (scripts/pg-test-cluster) started before the first such test and
# stopped after the last, its socket folder handed over in ZENDARO_TEST_PGHOST.
function(zendaro_uses_test_server name)
  # A short socket folder of this build's own (socket paths are limited to
  # about a hundred characters).
  string(MD5 build_hash "${CMAKE_BINARY_DIR}")
  string(SUBSTRING "${build_hash}" 0 10 build_hash)
  set(server_dir "/tmp/zendaro-pg-${build_hash}")
  get_property(defined GLOBAL PROPERTY ZENDARO_TEST_SERVER_DEFINED)
  if(NOT defined)
    set_property(GLOBAL PROPERTY ZENDARO_TEST_SERVER_DEFINED TRUE)
    add_test(NAME test_server_start
      COMMAND sh -c "\"$0\" stop \"$1\" && \"$0\" start \"$1\""
              ${PROJECT_SOURCE_DIR}/scripts/pg-test-cluster ${server_dir})
    add_test(NAME test_server_stop COMMAND ${PROJECT_SOURCE_DIR}/scripts/pg-test-cluster stop ${server_dir})
    set_tests_properties(test_server_start PROPERTIES FIXTURES_SETUP test_server TIMEOUT 120)
    set_tests_properties(test_server_stop PROPERTIES FIXTURES_CLEANUP test_server TIMEOUT 120)
  endif()
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "ZENDARO_TEST_PGHOST=${server_dir}")
  set_property(TEST ${name} APPEND PROPERTY FIXTURES_REQUIRED test_server)
endfunction()
