# Tests of the request catalogue: every code's request bytes, the wrapper rules.
qtx_add_test(NAME tst_catalogue LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_catalogue.cpp ${CMAKE_CURRENT_LIST_DIR}/tst_catalogue_rig.h
  LIBS qtx_link qtx_scriptedpeer qtx_testsupport)
qtx_add_test(NAME tst_catalogue_rules LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_catalogue_rules.cpp ${CMAKE_CURRENT_LIST_DIR}/tst_catalogue_rig.h
  LIBS qtx_link qtx_scriptedpeer qtx_testsupport)
