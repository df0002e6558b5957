# The readers of the SOAP transport: envelopes and MIME multipart answers.
# The reader sources are compiled into each target so that they are instrumented.
foreach(what envelope mime)
  set(target fuzz_soap_${what})
  qtx_add_fuzzer(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp
    ${PROJECT_SOURCE_DIR}/src/link/soapenvelope.cpp ${PROJECT_SOURCE_DIR}/src/link/mimemultipart.cpp)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PRIVATE Qt6::Core)
endforeach()
