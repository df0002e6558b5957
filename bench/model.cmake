# Decoding of draft lines and articles against a bare line split of the same text.
qtx_add_bench(bench_model ${CMAKE_CURRENT_SOURCE_DIR}/bench_model.cpp)
target_link_libraries(bench_model PRIVATE qtx_model)
