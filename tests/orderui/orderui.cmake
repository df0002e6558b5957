qtx_add_test(NAME tst_draftgridview LABEL gui
  SOURCES tst_draftgridview.cpp draftgridfixture.h draftgridfixture.cpp
  LIBS qtx_ui qtx_testsupport)
qtx_add_test(NAME tst_draftlogo LABEL gui
  SOURCES tst_draftlogo.cpp draftgridfixture.h draftgridfixture.cpp
  LIBS qtx_ui qtx_testsupport)
