# The request wrapper's round trip against qtx-server next to a raw socket client.
qtx_add_bench(bench_catalogue ${CMAKE_CURRENT_SOURCE_DIR}/bench_catalogue.cpp
  benchserver.h
  ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.h
  ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.cpp)
target_link_libraries(bench_catalogue PRIVATE qtx_link qtx_testsupport Qt6::Network Qt6::Sql)
target_include_directories(bench_catalogue PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(bench_catalogue PRIVATE QTX_BENCH_BINARY_DIR="${PROJECT_BINARY_DIR}")
add_dependencies(bench_catalogue qtx-server)
