# Bounded load test: 16 clients, one of them sending 137 with 50 texts.
qtx_add_server_bench(bench_load ${CMAKE_CURRENT_SOURCE_DIR}/bench_load.cpp)
