# The draft-order grid: full load and one-row rebuild at 200 and 2,000 lines.
qtx_add_bench(bench_order ${CMAKE_CURRENT_SOURCE_DIR}/bench_order.cpp
  benchserver.h
  ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.h
  ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.cpp)
target_link_libraries(bench_order PRIVATE qtx_core qtx_testsupport)
target_include_directories(bench_order PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(bench_order PRIVATE QTX_BENCH_BINARY_DIR="${PROJECT_BINARY_DIR}")
add_dependencies(bench_order qtx-server)
