# The options window and the language file of the client built by the
# composition root, against qtx-server.
if(QTX_BUILD_GUI)
  qtx_add_test(NAME tst_optionen LABEL gui TIMEOUT 300 SOURCES tst_optionen.cpp LIBS qtx_clientrig)
endif()
