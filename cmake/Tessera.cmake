# Shared helpers for the project's targets.

# A plain C++ library that must stay free of Qt: it links nothing from Qt, so Qt's
# include directories never reach its sources.
function(tessera_engine_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
endfunction()

# A library that adapts engines to the desktop with Qt.
function(tessera_qt_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Widgets)
endfunction()

# A test executable run by CTest. Every test runs offscreen with its own home, configuration
# and data directories inside the build tree, so no test can touch the user's real settings.
function(tessera_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  file(MAKE_DIRECTORY ${home})
  add_test(NAME ${name} COMMAND ${name})
  # A test left waiting on a dialog fails instead of holding the run up.
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;XDG_CACHE_HOME=${home}/cache;XDG_RUNTIME_DIR=${home}/runtime;TESSERA_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
