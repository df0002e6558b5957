# The "Shop" tab of the real main window against qtx-server.
if(QTX_BUILD_GUI)
  qtx_add_test(NAME tst_shoptab LABEL gui TIMEOUT 180
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_shoptab.cpp
      ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.cpp
    LIBS qtx_ui qtx_testsupport)
  target_include_directories(tst_shoptab PRIVATE ${PROJECT_SOURCE_DIR}/tests/integration)
  add_dependencies(tst_shoptab qtx-server)
endif()
