# The client's layers: one static library per folder of src/.
#
#   qtx_layer(<name> DIR <folder> [USES <layer> ...] [QT <Qt target> ...])
#
# A layer may include its own headers and those of the layers it USES,
# directly or through them; nothing else. Each library sees only the headers
# of what it links: its public include root in the build tree holds links to
# the layer's own headers and no others, so a header outside its reach is not
# found at all. The same USES lists are written out as the matrix that the
# layering check (tests/layers) holds every #include of src/ and server/ to.
#
# A folder that has no sources yet still gets its place in the matrix; its
# library appears with its first source file.

set(QTX_LAYER_INCLUDE_ROOT ${PROJECT_BINARY_DIR}/layers)
set_property(GLOBAL PROPERTY QTX_LAYER_NAMES "")

# Enters a folder into the matrix: it may include the folders of the layers
# it uses, directly or through them. PATH is the folder from the project
# root; OWN is the include folder of its own headers, if it has any.
function(qtx_layer_rule name)
  cmake_parse_arguments(L "" "PATH;OWN" "USES" ${ARGN})
  set(allowed ${L_OWN})
  foreach(use ${L_USES})
    get_property(used GLOBAL PROPERTY QTX_LAYER_ALLOWED_${use})
    if(NOT DEFINED used OR used STREQUAL "")
      message(FATAL_ERROR "Layer ${name} uses ${use}, which is not declared before it")
    endif()
    list(APPEND allowed ${used})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(GLOBAL PROPERTY QTX_LAYER_ALLOWED_${name} "${allowed}")
  set_property(GLOBAL PROPERTY QTX_LAYER_DIR_${name} "${L_PATH}")
  set_property(GLOBAL APPEND PROPERTY QTX_LAYER_NAMES ${name})
endfunction()

function(qtx_layer name)
  cmake_parse_arguments(L "" "DIR" "USES;QT" ${ARGN})
  set(dir ${PROJECT_SOURCE_DIR}/src/${L_DIR})
  qtx_layer_rule(${name} PATH src/${L_DIR} OWN ${L_DIR} USES ${L_USES})

  file(GLOB_RECURSE sources CONFIGURE_DEPENDS RELATIVE ${dir} ${dir}/*.cpp)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${dir} ${dir}/*.h)
  # A subfolder "ui" is a layer of its own.
  list(FILTER sources EXCLUDE REGEX "^ui/")
  list(FILTER sources EXCLUDE REGEX "^main\\.cpp$")
  list(FILTER headers EXCLUDE REGEX "^ui/")
  if((NOT sources AND NOT headers) OR (NOT QTX_BUILD_GUI AND "Qt6::Widgets" IN_LIST L_QT))
    return()
  endif()

  # The public include root: links to this layer's headers and no others.
  set(root ${QTX_LAYER_INCLUDE_ROOT}/${name})
  foreach(h ${headers})
    get_filename_component(hdir ${root}/${L_DIR}/${h} DIRECTORY)
    file(MAKE_DIRECTORY ${hdir})
    if(NOT EXISTS ${root}/${L_DIR}/${h})
      file(CREATE_LINK ${dir}/${h} ${root}/${L_DIR}/${h} SYMBOLIC)
    endif()
  endforeach()
  list(TRANSFORM sources PREPEND ${dir}/)
  list(TRANSFORM headers PREPEND ${dir}/)

  set(libs)
  foreach(use ${L_USES})
    if(TARGET qtx_${use})
      list(APPEND libs qtx_${use})
    endif()
  endforeach()
  if(NOT sources)
    add_library(qtx_${name} INTERFACE ${headers})
    target_include_directories(qtx_${name} INTERFACE ${root})
    target_link_libraries(qtx_${name} INTERFACE ${libs} ${L_QT})
    return()
  endif()
  add_library(qtx_${name} STATIC ${sources} ${headers})
  target_include_directories(qtx_${name} PUBLIC ${root})
  # Headers of a layer include those of the layers below it: PUBLIC.
  target_link_libraries(qtx_${name} PUBLIC ${libs} ${L_QT} PRIVATE qtx_compile_settings)
endfunction()

# Writes the matrix for the layering check: one line per layer,
# "<path>: <allowed include folder> ...".
function(qtx_write_layer_matrix file)
  get_property(names GLOBAL PROPERTY QTX_LAYER_NAMES)
  set(text "")
  foreach(name ${names})
    get_property(d GLOBAL PROPERTY QTX_LAYER_DIR_${name})
    get_property(allowed GLOBAL PROPERTY QTX_LAYER_ALLOWED_${name})
    list(JOIN allowed " " joined)
    string(APPEND text "${d}: ${joined}\n")
  endforeach()
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}")
endfunction()
