# The reference server: dispatcher in-process, and qtx-server processes over both transports.
qtx_add_test(NAME tst_serverdispatcher LABEL integration
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_serverdispatcher.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tst_serverfixture.h ${CMAKE_CURRENT_LIST_DIR}/tst_serverfixture.cpp
  LIBS qtx_server_lib qtx_testsupport)
qtx_add_test(NAME tst_serverarticles LABEL integration
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_serverarticles.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tst_serverfixture.h ${CMAKE_CURRENT_LIST_DIR}/tst_serverfixture.cpp
  LIBS qtx_server_lib qtx_testsupport)
qtx_add_test(NAME tst_serverdocuments LABEL integration
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_serverdocuments.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tst_serverfixture.h ${CMAKE_CURRENT_LIST_DIR}/tst_serverfixture.cpp
  LIBS qtx_server_lib qtx_testsupport)
qtx_add_test(NAME tst_serverwire LABEL integration TIMEOUT 300
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_serverwire.cpp
          ${CMAKE_CURRENT_LIST_DIR}/soapserverprocess.h ${CMAKE_CURRENT_LIST_DIR}/soapserverprocess.cpp
  LIBS qtx_link qtx_testsupport Qt6::Sql)
add_dependencies(tst_serverwire qtx-server)
find_package(SQLite3 REQUIRED)
qtx_add_test(NAME tst_articlesearch LABEL integration
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_articlesearch.cpp
          ${CMAKE_CURRENT_LIST_DIR}/tst_serverfixture.h ${CMAKE_CURRENT_LIST_DIR}/tst_serverfixture.cpp
  LIBS qtx_server_lib qtx_testsupport SQLite::SQLite3)
