# The client's TCP transport against the server's TCP front, in-process.
qtx_add_test(NAME tst_tcpfront LABEL integration
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tcpfront.cpp LIBS qtx_link qtx_server_lib qtx_testsupport)
