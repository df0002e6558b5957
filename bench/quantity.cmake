# The quantity entry split over three branches, through the composition root.
if(TARGET qtx_clientrig)
  qtx_add_server_bench(bench_quantity ${CMAKE_CURRENT_SOURCE_DIR}/bench_quantity.cpp)
  target_link_libraries(bench_quantity PRIVATE qtx_clientrig)
endif()
