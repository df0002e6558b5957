# Readers of draft-line answers and of the record layouts.
qtx_add_fuzzer(fuzz_model_vkkl ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_model_vkkl.cpp)
target_link_libraries(fuzz_model_vkkl PRIVATE qtx_model)
qtx_add_fuzzer(fuzz_model_records ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_model_records.cpp)
target_link_libraries(fuzz_model_records PRIVATE qtx_model)
