# Article entry and quick search: rules without a server, the resolution
# against a real qtx-server, and the widgets offscreen.
qtx_add_test(NAME tst_articlerules LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_articlerules.cpp
  LIBS qtx_core qtx_testsupport)

set(QTX_ARTICLE_FIXTURE
  ${CMAKE_CURRENT_LIST_DIR}/articlefixture.h ${CMAKE_CURRENT_LIST_DIR}/articlefixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fakedraftlines.h ${CMAKE_CURRENT_LIST_DIR}/fakedraftlines.cpp
  ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.h
  ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.cpp)

qtx_add_test(NAME tst_articleentry LABEL integration TIMEOUT 300
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_articleentry.cpp ${QTX_ARTICLE_FIXTURE}
  LIBS qtx_core qtx_testsupport Qt6::Sql)
target_include_directories(tst_articleentry PRIVATE ${PROJECT_SOURCE_DIR}/tests/integration)
add_dependencies(tst_articleentry qtx-server)

if(QTX_BUILD_GUI)
  qtx_add_test(NAME tst_quicksearchwidgets LABEL gui TIMEOUT 300
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_quicksearchwidgets.cpp ${QTX_ARTICLE_FIXTURE}
    LIBS qtx_ui qtx_testsupport Qt6::Sql)
  target_include_directories(tst_quicksearchwidgets PRIVATE ${PROJECT_SOURCE_DIR}/tests/integration)
  add_dependencies(tst_quicksearchwidgets qtx-server)
endif()

qtx_add_test(NAME tst_stockrules LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_stockrules.cpp
  LIBS qtx_core qtx_testsupport)
