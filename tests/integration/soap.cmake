# The SOAP transport against a real qtx-server process.
qtx_add_test(NAME tst_soapserver LABEL integration
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_soapserver.cpp
          ${CMAKE_CURRENT_LIST_DIR}/soapserverprocess.h ${CMAKE_CURRENT_LIST_DIR}/soapserverprocess.cpp
  LIBS qtx_link qtx_testsupport)
add_dependencies(tst_soapserver qtx-server)
qtx_add_test(NAME tst_soaptcpsession LABEL integration
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_soaptcpsession.cpp
          ${CMAKE_CURRENT_LIST_DIR}/soapserverprocess.h ${CMAKE_CURRENT_LIST_DIR}/soapserverprocess.cpp
  LIBS qtx_link qtx_testsupport)
add_dependencies(tst_soaptcpsession qtx-server)
