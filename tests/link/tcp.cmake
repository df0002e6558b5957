# Tests of the TCP side: codecs, error table, greeting, framings on the wire.
add_library(qtx_scriptedpeer STATIC
  ${CMAKE_CURRENT_LIST_DIR}/../support/scriptedpeer.h ${CMAKE_CURRENT_LIST_DIR}/../support/scriptedpeer.cpp)
target_include_directories(qtx_scriptedpeer PUBLIC ${CMAKE_CURRENT_LIST_DIR}/../support)
target_link_libraries(qtx_scriptedpeer PUBLIC qtx_compile_settings Qt6::Core Qt6::Network)
set_target_properties(qtx_scriptedpeer PROPERTIES AUTOMOC ON)

qtx_add_test(NAME tst_textcodec LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_textcodec.cpp LIBS qtx_link)
qtx_add_test(NAME tst_errortable LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_errortable.cpp LIBS qtx_link)
qtx_add_test(NAME tst_greeting LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_greeting.cpp LIBS qtx_link)
qtx_add_test(NAME tst_tcprequestparser LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tcprequestparser.cpp LIBS qtx_link)
qtx_add_test(NAME tst_tcpframings LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tcpframings.cpp LIBS qtx_link qtx_scriptedpeer)
qtx_add_test(NAME tst_tcpconnect LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tcpconnect.cpp LIBS qtx_link qtx_scriptedpeer qtx_testsupport)
