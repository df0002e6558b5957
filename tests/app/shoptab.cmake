# The client as main.cpp builds it, against qtx-server: the Shop tab, the
# login page and the composition's wiring.
if(QTX_BUILD_GUI)
  add_library(qtx_clientrig STATIC clientrig.h clientrig.cpp
    ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.h
    ${PROJECT_SOURCE_DIR}/tests/integration/soapserverprocess.cpp)
  target_include_directories(qtx_clientrig PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/tests/integration
                             ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(qtx_clientrig PUBLIC qtx_ui qtx_testsupport Qt6::Test Qt6::Sql PRIVATE qtx_compile_settings)
  add_dependencies(qtx_clientrig qtx-server)

  qtx_add_test(NAME tst_shoptab LABEL gui TIMEOUT 180 SOURCES tst_shoptab.cpp LIBS qtx_clientrig)
  qtx_add_test(NAME tst_sessionform LABEL gui TIMEOUT 120 SOURCES tst_sessionform.cpp LIBS qtx_clientrig)
  qtx_add_test(NAME tst_composition LABEL gui TIMEOUT 240 SOURCES tst_composition.cpp LIBS qtx_clientrig Qt6::Sql)
endif()
if(QTX_BUILD_GUI)
  qtx_add_test(NAME tst_stockgrid LABEL gui TIMEOUT 180 SOURCES tst_stockgrid.cpp LIBS qtx_clientrig)
endif()
if(QTX_BUILD_GUI)
  qtx_add_test(NAME tst_quantityentry LABEL gui TIMEOUT 180 SOURCES tst_quantityentry.cpp LIBS qtx_clientrig)
endif()
if(QTX_BUILD_GUI)
  qtx_add_test(NAME tst_deliverykinds LABEL gui TIMEOUT 180 SOURCES tst_deliverykinds.cpp LIBS qtx_clientrig)
endif()
