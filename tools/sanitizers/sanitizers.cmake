# AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer for
# every target of the build, and the run-time options for every test that
# CTest starts in it. Included from the top-level CMakeLists.txt before any
# target is made, when CORVELLA_SANITIZE is on.
if(MSVC)
    message(FATAL_ERROR "CORVELLA_SANITIZE needs GCC or Clang")
endif()

set(CORVELLA_SANITIZER_FLAGS
    -fsanitize=address,undefined
    -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
add_compile_options(${CORVELLA_SANITIZER_FLAGS})
add_link_options(${CORVELLA_SANITIZER_FLAGS})

# Every program waits at exit for its joined threads to be gone before the
# leak check reads them (wait_for_threads_at_exit.cpp says why).
add_library(corvella_wait_for_threads_at_exit OBJECT ${CMAKE_CURRENT_LIST_DIR}/wait_for_threads_at_exit.cpp)
link_libraries(corvella_wait_for_threads_at_exit)

# The leak check's tracer can fault while reading the dynamic thread-local
# storage that the sanitizer records by intercepting __tls_get_addr ("Tracer
# caught signal 11", no leak report); without the interception that storage
# is still scanned as the heap memory it is, found through each thread's own
# static storage.
# Any report ends the test run with a failure. Only Qt's and the system
# libraries' own leaks at exit are suppressed (lsan.supp); never ours.
set(_corvella_sanitizer_dir ${CMAKE_CURRENT_LIST_DIR})
set(CORVELLA_ASAN_OPTIONS
    "halt_on_error=1:abort_on_error=0:detect_leaks=1:intercept_tls_get_addr=0:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1:detect_odr_violation=2:print_stacktrace=1:suppressions=${_corvella_sanitizer_dir}/asan.supp")
set(CORVELLA_LSAN_OPTIONS
    "suppressions=${_corvella_sanitizer_dir}/lsan.supp:print_suppressions=0:report_objects=1:intercept_tls_get_addr=0")
set(CORVELLA_UBSAN_OPTIONS
    "halt_on_error=1:print_stacktrace=1:report_error_type=1:suppressions=${_corvella_sanitizer_dir}/ubsan.supp")

# CTest reads this file before it starts the tests of the build tree, so the
# options hold for `ctest --test-dir <build>` and for the test presets alike,
# and reach the programs the end-to-end scripts start.
set(_corvella_sanitizer_env ${CMAKE_BINARY_DIR}/sanitizer_environment.cmake)
file(WRITE ${_corvella_sanitizer_env}
    "set(ENV{ASAN_OPTIONS} \"${CORVELLA_ASAN_OPTIONS}\")\n"
    "set(ENV{LSAN_OPTIONS} \"${CORVELLA_LSAN_OPTIONS}\")\n"
    "set(ENV{UBSAN_OPTIONS} \"${CORVELLA_UBSAN_OPTIONS}\")\n")
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY TEST_INCLUDE_FILES ${_corvella_sanitizer_env})
