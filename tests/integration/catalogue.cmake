# Every request wrapper against a real qtx-server process, on TCP and SOAP.
qtx_add_test(NAME tst_catalogueserver LABEL integration TIMEOUT 300
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_catalogueserver.cpp
          ${CMAKE_CURRENT_LIST_DIR}/soapserverprocess.h ${CMAKE_CURRENT_LIST_DIR}/soapserverprocess.cpp
  LIBS qtx_link qtx_testsupport)
add_dependencies(tst_catalogueserver qtx-server)
