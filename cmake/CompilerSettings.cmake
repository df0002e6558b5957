# One INTERFACE target carries the compiler settings of every target we build.
add_library(qtx_compile_settings INTERFACE)
target_compile_options(qtx_compile_settings INTERFACE
  -Wall -Wextra -Wpedantic -Werror
  -Wno-error=deprecated-declarations)
target_compile_definitions(qtx_compile_settings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_USE_QSTRINGBUILDER)

if(QTX_SANITIZE)
  target_compile_options(qtx_compile_settings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(qtx_compile_settings INTERFACE -fsanitize=address,undefined)
endif()

# Registers one Qt Test executable with CTest.
#   qtx_add_test(NAME name LABEL unit|gui|integration SOURCES ... LIBS ...)
function(qtx_add_test)
  cmake_parse_arguments(T "" "NAME;LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE qtx_compile_settings Qt6::Test ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS "${T_LABEL}"
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTX_BINARY_DIR=${PROJECT_BINARY_DIR};QTX_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
