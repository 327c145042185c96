# zendaro_add_test(NAME name SOURCES a.cpp ... LIBS lib ...)
# Builds one Qt Test executable and registers it with CTest, headless, with the
# folder of the test databases and the source folder known to the test.
function(zendaro_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
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
endfunction()
