# The usage statistics of the client built by the composition root, against qtx-server.
if(QTX_BUILD_GUI)
  qtx_add_test(NAME tst_statistics LABEL gui TIMEOUT 300 SOURCES tst_statistics.cpp LIBS qtx_clientrig)
endif()
