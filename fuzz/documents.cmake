# The document answers of the "Belege" tab: decoder, grid fill, preview and CSV.
# The document sources are compiled into the target so that libFuzzer sees
# their branches; the layers below come from their libraries.
set(QTX_FUZZ_DOCUMENTS_SOURCES
  ${PROJECT_SOURCE_DIR}/src/documents/documentkinds.cpp
  ${PROJECT_SOURCE_DIR}/src/documents/documenttable.cpp
  ${PROJECT_SOURCE_DIR}/src/documents/documentloader.cpp
  ${PROJECT_SOURCE_DIR}/src/documents/belegformular.cpp
  ${PROJECT_SOURCE_DIR}/src/documents/belegcsv.cpp)
qtx_add_fuzzer(fuzz_documents_loader ${CMAKE_CURRENT_LIST_DIR}/fuzz_documents_loader.cpp
  ${QTX_FUZZ_DOCUMENTS_SOURCES})
target_include_directories(fuzz_documents_loader PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(fuzz_documents_loader PRIVATE qtx_session Qt6::Gui)
