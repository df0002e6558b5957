#The tenant resource library : a Qt binary resource bundle per tenant, served
#by the server under RESOURCE / MANDANT < N> / ...and read by GetExternResource.
#Built for every tenant so that tests and servers can offer any of them.
set(QTX_TENANT_LIBRARY_NAMES 1 ZelmorResource.dll 4 VelkorResource.dll 6 DurnakResource.dll)
foreach(tenant 1 4 6)
  list(FIND QTX_TENANT_LIBRARY_NAMES ${tenant} at)
  math(EXPR at "${at} + 1")
  list(GET QTX_TENANT_LIBRARY_NAMES ${at} name)
  set(dir ${CMAKE_CURRENT_LIST_DIR}/tenantlib/${tenant})
  file(GLOB files CONFIGURE_DEPENDS ${dir}/*)
  set(qrc "<RCC><qresource prefix=\"/\">\n")
  foreach(f ${files})
    get_filename_component(alias ${f} NAME)
    string(APPEND qrc "  <file alias=\"${alias}\">${f}</file>\n")
  endforeach()
  string(APPEND qrc "</qresource></RCC>\n")
  set(qrc_file ${PROJECT_BINARY_DIR}/tenantlib/${tenant}/tenantlib.qrc)
  file(CONFIGURE OUTPUT ${qrc_file} CONTENT "${qrc}")
  qt_add_binary_resources(qtx_tenantlib_${tenant} ${qrc_file}
                          DESTINATION ${PROJECT_BINARY_DIR}/tenantlib/${tenant}/${name})
endforeach()
