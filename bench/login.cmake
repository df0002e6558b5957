# The login to the Shop tab over TCP and SOAP, through the composition root.
if(TARGET qtx_clientrig)
  qtx_add_server_bench(bench_login ${CMAKE_CURRENT_SOURCE_DIR}/bench_login.cpp)
  target_link_libraries(bench_login PRIVATE qtx_clientrig)
endif()
