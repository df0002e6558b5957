# Searches on a catalogue of 200,000 articles against an empty request.
qtx_add_bench(bench_search ${CMAKE_CURRENT_SOURCE_DIR}/bench_search.cpp
  benchclient.h benchserver.h
  ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.h
  ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.cpp)
target_link_libraries(bench_search PRIVATE qtx_link qtx_testsupport Qt6::Network Qt6::Sql)
target_include_directories(bench_search PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(bench_search PRIVATE QTX_BENCH_BINARY_DIR="${PROJECT_BINARY_DIR}")
add_dependencies(bench_search qtx-server)
