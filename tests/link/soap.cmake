# Tests of the SOAP side: envelopes, MIME, strings2request and its helpers.
qtx_add_test(NAME tst_soapenvelope LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_soapenvelope.cpp LIBS qtx_link)
qtx_add_test(NAME tst_mimemultipart LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_mimemultipart.cpp LIBS qtx_link)
qtx_add_test(NAME tst_soaprequester LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_soaprequester.cpp
  LIBS qtx_link qtx_testsupport)
qtx_add_test(NAME tst_soapproxy LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_soapproxy.cpp LIBS qtx_link)
qtx_add_test(NAME tst_keptalivehttp LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_keptalivehttp.cpp
  LIBS qtx_link qtx_testsupport)
