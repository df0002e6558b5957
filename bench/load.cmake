# Bounded load test: 16 clients, one of them sending 137 with 50 texts.
qtx_add_bench(bench_load ${CMAKE_CURRENT_SOURCE_DIR}/bench_load.cpp
  benchclient.h benchserver.h
  ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.h
  ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.cpp)
target_link_libraries(bench_load PRIVATE qtx_link qtx_testsupport Qt6::Network Qt6::Sql)
target_include_directories(bench_load PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(bench_load PRIVATE QTX_BENCH_BINARY_DIR="${PROJECT_BINARY_DIR}")
add_dependencies(bench_load qtx-server)
