# How kivra32 meets the desktop: its version block on Windows; elsewhere the install layout
# (program, menu entry, icon) and a Debian package.
if(NOT TARGET kivra32)
    return()
endif()

include(GNUInstallDirs)
install(TARGETS kivra32 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(WIN32)
    enable_language(RC)
    target_sources(kivra32 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/kivra32.rc)
    return()
endif()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/kivra32.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kivra32)
set(CPACK_PACKAGE_VENDOR "The Kivra/32 developers")
set(CPACK_PACKAGE_CONTACT "The Kivra/32 developers <kivra32@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4)")
include(CPack)
