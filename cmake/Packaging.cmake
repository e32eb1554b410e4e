# Installs the programs as a Linux desktop application (menu entry, icons, AppStream metainfo, man
# page, documentation) and packages the installed tree as a Debian package with CPack.
include(GNUInstallDirs)

set(VARNWICK_APP_ID io.github.varnwick.Varnwick)
set(VARNWICK_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# AppStream wants screenshots as addresses: the repository's own files, as served raw.
set(VARNWICK_RAW_FILES https://raw.githubusercontent.com/varnwick/varnwick/main)
set(VARNWICK_MAINTAINER "The Varnwick developers <varnwick@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging/linux)

install(TARGETS varnwick-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(VARNWICK_BUILD_UI)
  install(TARGETS varnwick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${packaging_dir}/${VARNWICK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  configure_file(${packaging_dir}/${VARNWICK_APP_ID}.metainfo.xml.in ${VARNWICK_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VARNWICK_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  set(icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${PROJECT_SOURCE_DIR}/src/ui/qt/res/varnwick.svg
          DESTINATION ${icon_dir}/scalable/apps RENAME ${VARNWICK_APP_ID}.svg)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${packaging_dir}/icons/varnwick-${size}.png
            DESTINATION ${icon_dir}/${size}x${size}/apps RENAME ${VARNWICK_APP_ID}.png)
  endforeach()
endif()

# The man page runs the program just built, which a cross build cannot do.
find_program(HELP2MAN help2man)
if(HELP2MAN AND NOT CMAKE_CROSSCOMPILING)
  set(man_page ${CMAKE_CURRENT_BINARY_DIR}/man/varnwick-cli.1)
  add_custom_command(OUTPUT ${man_page}
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:varnwick-cli> -DHELP2MAN=${HELP2MAN}
            -DINCLUDE=${packaging_dir}/varnwick-cli.h2m -DOUTPUT=${man_page}
            -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    DEPENDS varnwick-cli ${packaging_dir}/varnwick-cli.h2m ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    COMMENT "Writing the varnwick-cli man page")
  add_custom_target(varnwick-cli-man ALL DEPENDS ${man_page})
  install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
elseif(NOT CMAKE_CROSSCOMPILING)
  message(WARNING "help2man not found: varnwick-cli gets no man page (scripts/deps installs help2man)")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnwick)
set(CPACK_PACKAGE_VENDOR "The Varnwick developers")
set(CPACK_PACKAGE_CONTACT ${VARNWICK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "writes the boilerplate of MFC applications")
set(CPACK_PACKAGE_DESCRIPTION
    "Varnwick reads the C++ headers of an application built on the Microsoft Foundation Classes, "
    "lists their classes and data members, and writes code for a chosen class: a Serialize "
    "function, modal-dialog exchange code, member lists, operator=, ==, <, >, the archive "
    "operators << and >>, and copy constructors. It comes as a Qt desktop program and a "
    "command-line tool for scripts.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VARNWICK_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, so the library dependencies do not name them.
if(VARNWICK_BUILD_UI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()
include(CPack)
