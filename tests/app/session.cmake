# The session's rules read the tenant resource bundles the build makes.
target_compile_definitions(tst_sessionrules PRIVATE QTX_TENANT_LIBRARY_DIR="${PROJECT_BINARY_DIR}/tenantlib")
add_dependencies(tst_sessionrules qtx_tenantlib_1 qtx_tenantlib_4 qtx_tenantlib_6)
