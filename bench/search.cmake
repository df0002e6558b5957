# Searches on a catalogue of 200,000 articles against an empty request.
qtx_add_server_bench(bench_search ${CMAKE_CURRENT_SOURCE_DIR}/bench_search.cpp)
