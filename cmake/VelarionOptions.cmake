# Compiler settings shared by every target.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

add_compile_options(-Wall -Wextra)

option(VELARION_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VELARION_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Attaches the standard test settings to a GoogleTest executable.
function(velarion_add_test target)
  target_link_libraries(${target} PRIVATE GTest::gtest_main GTest::gmock)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_compile_definitions(${target} PRIVATE
    VELARION_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures")
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()

# A GoogleTest executable whose tests run inside one widget application (off screen unless
# told otherwise), with Qt Test to play the user:
#   velarion_add_widget_test(<target> SOURCES <files> LIBRARIES <libraries>)
function(velarion_add_widget_test target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
  find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
  add_executable(${target} ${PROJECT_SOURCE_DIR}/tests/support/WidgetTestMain.cpp ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} Qt6::Widgets Qt6::Test)
  velarion_add_test(${target})
endfunction()
