# The request catalogue: descriptors, the wrapper pattern and the wrappers.
target_sources(qtx_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/catalogue.h ${CMAKE_CURRENT_LIST_DIR}/catalogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/serverlink.h ${CMAKE_CURRENT_LIST_DIR}/serverlink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requests/recordanswer.h ${CMAKE_CURRENT_LIST_DIR}/requests/recordanswer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requests/articlerequests.h ${CMAKE_CURRENT_LIST_DIR}/requests/articlerequests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requests/draftrequests.h ${CMAKE_CURRENT_LIST_DIR}/requests/draftrequests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requests/customerrequests.h ${CMAKE_CURRENT_LIST_DIR}/requests/customerrequests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requests/documentrequests.h ${CMAKE_CURRENT_LIST_DIR}/requests/documentrequests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requests/sessionrequests.h ${CMAKE_CURRENT_LIST_DIR}/requests/sessionrequests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requests/downloadrequest.h ${CMAKE_CURRENT_LIST_DIR}/requests/downloadrequest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requests/mailrequests.h ${CMAKE_CURRENT_LIST_DIR}/requests/mailrequests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requests/miscrequests.h ${CMAKE_CURRENT_LIST_DIR}/requests/miscrequests.cpp)
