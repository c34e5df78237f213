# The help pages (src/help/html): compiled into the window program as the
# resource folder :/help, copied into <build>/help so that a build finds
# them on disk as an installed program does, and installed into
# share/tessamo/help. The window icon rides along as :/icons/tessamo.png.
file(GLOB TESSAMO_HELP_PAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/help/html/*.html
     ${CMAKE_SOURCE_DIR}/src/help/html/*.css)
set(qrc "<RCC>\n  <qresource prefix=\"/help\">\n")
foreach(page ${TESSAMO_HELP_PAGES})
  get_filename_component(name ${page} NAME)
  string(APPEND qrc "    <file alias=\"${name}\">${page}</file>\n")
endforeach()
string(APPEND qrc "  </qresource>\n  <qresource prefix=\"/icons\">\n"
       "    <file alias=\"tessamo.png\">${CMAKE_SOURCE_DIR}/packaging/icons/tessamo-64.png</file>\n"
       "  </qresource>\n</RCC>\n")
set(TESSAMO_HELP_QRC ${CMAKE_BINARY_DIR}/tessamo_help.qrc)
file(CONFIGURE OUTPUT ${TESSAMO_HELP_QRC} CONTENT "${qrc}")

add_custom_target(help_pages ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/help
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TESSAMO_HELP_PAGES} ${CMAKE_BINARY_DIR}/help/
  DEPENDS ${TESSAMO_HELP_PAGES}
  COMMENT "Copying the help pages into the build folder")

set_source_files_properties(${CMAKE_SOURCE_DIR}/src/help/WebPages.cpp PROPERTIES
  COMPILE_DEFINITIONS "TESSAMO_HELP_INSTALL_DIR=\"${CMAKE_INSTALL_FULL_DATADIR}/tessamo/help\"")
