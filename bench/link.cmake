# The request wrapper's round trip against qtx-server next to a raw socket client.
qtx_add_server_bench(bench_catalogue ${CMAKE_CURRENT_SOURCE_DIR}/bench_catalogue.cpp)
