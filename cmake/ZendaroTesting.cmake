# The suites run headless (Qt's offscreen platform).
#
# In a cross build for Windows they run under Wine (the build folder is
# configured with CMAKE_CROSSCOMPILING_EMULATOR=wine, which CTest puts before
# each suite): in a Wine prefix of this build's own (made before the run, by
# packaging/windows/test-suites), quietly, the Windows Qt's libraries and
# mingw's run-time libraries found through WINEPATH (Qt finds its plugins
# beside its own libraries). Wine hands a QT_ variable to a Windows program
# only when it is set as WINEQT_; with no console, Qt Test writes its report
# to the debugger unless QT_FORCE_STDERR_LOGGING asks for the output; and the
# offscreen platform of Windows knows the fonts of QT_QPA_FONTDIR only: the
# Liberation fonts, as the program ships them beside zendaro.exe.
if(CMAKE_CROSSCOMPILING AND WIN32)
  set(ZENDARO_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine" CACHE PATH "The Wine prefix the Windows suites run in")
  set(wine_path "Z:${ZENDARO_WINDOWS_QT}/bin")
  foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
      message(FATAL_ERROR "mingw's ${runtime} is missing")
    endif()
    get_filename_component(runtime_folder "${runtime_path}" DIRECTORY)
    string(APPEND wine_path "\\;Z:${runtime_folder}")
  endforeach()
  set(ZENDARO_TEST_ENVIRONMENT "WINEQT_QPA_PLATFORM=offscreen" "WINEQT_FORCE_STDERR_LOGGING=1"
      "WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/liberation2" "LANG=C.UTF-8"
      "WINEPREFIX=${ZENDARO_WINE_PREFIX}" "WINEDEBUG=-all" "WINEPATH=${wine_path}")
else()
  set(ZENDARO_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen" "LANG=C.UTF-8"
      "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1" "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

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
  if(CMAKE_CROSSCOMPILING AND WIN32)
    # Beside the suite, as beside zendaro.exe: Qt's Turkish texts found.
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf
         "[Paths]\nPrefix = Z:${ZENDARO_WINDOWS_QT}\nTranslations = Z:/usr/share/qt6/translations\n")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "${ZENDARO_TEST_ENVIRONMENT}"
    TIMEOUT 300)
  # (The twins need the test server, whose socket a suite under Wine cannot reach.)
  if(T_BOTH_STORES AND NOT WIN32)
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
# A suite under Wine reaches neither the server's socket nor the script that
# starts it: in a Windows build such a test is listed but not run.
function(zendaro_uses_test_server name)
  if(WIN32)
    set_tests_properties(${name} PROPERTIES DISABLED TRUE)
    return()
  endif()
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

# zendaro_runs_own_server(test)
# The test starts PostgreSQL clusters of its own (tests/support/PrivateServer,
# through scripts/pg-test-cluster): in a Windows build listed but not run, as
# the tests on the shared test server.
function(zendaro_runs_own_server name)
  if(WIN32)
    set_tests_properties(${name} PROPERTIES DISABLED TRUE)
  endif()
endfunction()
