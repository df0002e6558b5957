#The TCP front of qtx - server.
target_sources(qtx_server_lib PRIVATE ${CMAKE_CURRENT_LIST_DIR} / tcpfront.h ${CMAKE_CURRENT_LIST_DIR} /
               tcpfront.cpp)
