# TCP side of the transports: text codecs, framings, greeting, connection.
target_sources(qtx_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/textcodec.h ${CMAKE_CURRENT_LIST_DIR}/textcodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/errortable.h ${CMAKE_CURRENT_LIST_DIR}/errortable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/versioncompare.h ${CMAKE_CURRENT_LIST_DIR}/versioncompare.cpp
  ${CMAKE_CURRENT_LIST_DIR}/greeting.h ${CMAKE_CURRENT_LIST_DIR}/greeting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/framing.h ${CMAKE_CURRENT_LIST_DIR}/framing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tcpstream.h ${CMAKE_CURRENT_LIST_DIR}/tcpstream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tcpframings.h ${CMAKE_CURRENT_LIST_DIR}/tcpframings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tcprequestparser.h ${CMAKE_CURRENT_LIST_DIR}/tcprequestparser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tcpconnection.h ${CMAKE_CURRENT_LIST_DIR}/tcpconnection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tcpconnect.h ${CMAKE_CURRENT_LIST_DIR}/tcpconnect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requestbracket.h ${CMAKE_CURRENT_LIST_DIR}/requestbracket.cpp)
