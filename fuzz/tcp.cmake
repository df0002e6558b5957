# The TCP answer readers of every framing and the server front's request parser.
# The sources are compiled into the targets so that libFuzzer sees their branches.
set(QTX_FUZZ_TCP_SOURCES
  ${PROJECT_SOURCE_DIR}/src/link/textcodec.cpp
  ${PROJECT_SOURCE_DIR}/src/link/framing.cpp
  ${PROJECT_SOURCE_DIR}/src/link/tcpstream.cpp
  ${PROJECT_SOURCE_DIR}/src/link/tcpframings.cpp
  ${PROJECT_SOURCE_DIR}/src/link/tcprequestparser.cpp)
foreach(name fuzz_tcp_answers fuzz_tcp_requestparser)
  qtx_add_fuzzer(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp ${QTX_FUZZ_TCP_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE Qt6::Core Qt6::Network)
endforeach()
