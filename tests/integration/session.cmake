# The session (first contact, login, customer data, logout) against a real qtx-server.
qtx_add_test(NAME tst_session LABEL integration TIMEOUT 300
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_session.cpp
          ${CMAKE_CURRENT_LIST_DIR}/soapserverprocess.h ${CMAKE_CURRENT_LIST_DIR}/soapserverprocess.cpp
  LIBS qtx_core qtx_testsupport)
add_dependencies(tst_session qtx-server)
# The tenant resource bundle the server offers in the library tests.
target_compile_definitions(tst_session PRIVATE QTX_TENANT_LIBRARY_DIR="${PROJECT_BINARY_DIR}/tenantlib")
add_dependencies(tst_session qtx_tenantlib_6)
