# The "Belege" tab: a year of invoice heads and one head's lines, loaded and
# shown, against decoding alone and the bare requests.
qtx_add_server_bench(bench_documents ${CMAKE_CURRENT_SOURCE_DIR}/bench_documents.cpp)
target_link_libraries(bench_documents PRIVATE qtx_documents)
