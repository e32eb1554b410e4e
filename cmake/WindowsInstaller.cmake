# The Windows installer varnwick-VERSION-x64.msi, built by wixl from packaging/windows/varnwick.wxs
# with every Windows build. The desktop program varnwick.exe goes in (with its Start-menu shortcut)
# whenever the target varnwick exists: generator expressions ask at generation time, so it does not
# matter where in the project that target is defined.
#
# Sets VARNWICK_MSI (the package), VARNWICK_MSI_FILES (the folder wixl runs in, holding the files
# under their installed names) and VARNWICK_WIXL_COMMAND (wixl's command line less the version,
# HasDesktop and the output), so that a test can build the same package with another version.
option(VARNWICK_BUILD_MSI "Build the Windows installer with wixl" ON)
if(NOT VARNWICK_BUILD_MSI)
  return()
endif()
find_program(VARNWICK_WIXL wixl)
if(NOT VARNWICK_WIXL)
  message(FATAL_ERROR "wixl not found: scripts/deps installs it, or configure with -DVARNWICK_BUILD_MSI=OFF")
endif()

set(windows_packaging ${PROJECT_SOURCE_DIR}/packaging/windows)
set(VARNWICK_MSI ${CMAKE_BINARY_DIR}/varnwick-${PROJECT_VERSION}-x64.msi)
set(VARNWICK_MSI_FILES ${CMAKE_BINARY_DIR}/msi-files)
file(MAKE_DIRECTORY ${VARNWICK_MSI_FILES})
set(has_desktop $<TARGET_EXISTS:varnwick>)
set(VARNWICK_WIXL_COMMAND ${VARNWICK_WIXL} --arch x64 -D HelpLink=${PROJECT_HOMEPAGE_URL}
    ${windows_packaging}/varnwick.wxs)

# The icon of Apps & features and of the shortcut: the Linux menu entry's pictures.
set(icon_pngs)
foreach(size 16 24 32 48 256)
  list(APPEND icon_pngs ${PROJECT_SOURCE_DIR}/packaging/linux/icons/varnwick-${size}.png)
endforeach()

add_custom_command(OUTPUT ${VARNWICK_MSI}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:varnwick-cli> $<${has_desktop}:$<TARGET_FILE:varnwick>>
          ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE ${VARNWICK_MSI_FILES}
  COMMAND bash ${windows_packaging}/png-to-ico.sh ${VARNWICK_MSI_FILES}/varnwick.ico ${icon_pngs}
  COMMAND ${VARNWICK_WIXL_COMMAND} -D HasDesktop=${has_desktop} -D Version=${PROJECT_VERSION} -o ${VARNWICK_MSI}
  WORKING_DIRECTORY ${VARNWICK_MSI_FILES}
  DEPENDS varnwick-cli $<${has_desktop}:varnwick> ${windows_packaging}/varnwick.wxs
          ${windows_packaging}/png-to-ico.sh ${icon_pngs} ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
  COMMENT "Building the Windows installer varnwick-${PROJECT_VERSION}-x64.msi"
  VERBATIM COMMAND_EXPAND_LISTS)
add_custom_target(msi ALL DEPENDS ${VARNWICK_MSI})
