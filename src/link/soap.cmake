# SOAP transport: envelopes, MIME, the IQTX_SoapServer client, connectivity.
target_sources(qtx_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/soapenvelope.h ${CMAKE_CURRENT_LIST_DIR}/soapenvelope.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mimemultipart.h ${CMAKE_CURRENT_LIST_DIR}/mimemultipart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/soapnetwork.h ${CMAKE_CURRENT_LIST_DIR}/soapnetwork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/soapnetworkworker.h ${CMAKE_CURRENT_LIST_DIR}/soapnetworkworker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/soapinvokeoptions.h
  ${CMAKE_CURRENT_LIST_DIR}/soapclient.h ${CMAKE_CURRENT_LIST_DIR}/soapclient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/soapserverintf.h ${CMAKE_CURRENT_LIST_DIR}/soapserverintf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/soaprequester.h ${CMAKE_CURRENT_LIST_DIR}/soaprequester.cpp
  ${CMAKE_CURRENT_LIST_DIR}/soapendpoints.h ${CMAKE_CURRENT_LIST_DIR}/soapendpoints.cpp
  ${CMAKE_CURRENT_LIST_DIR}/connectivity.h ${CMAKE_CURRENT_LIST_DIR}/connectivity.cpp)
