# How kivra32 meets the desktop: its version block on Windows; elsewhere the install layout
# (program, manual page, menu entry, AppStream data, icons) and a Debian package.
if(NOT TARGET kivra32)
    return()
endif()

include(GNUInstallDirs)
install(TARGETS kivra32 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS kivra32_window LIBRARY DESTINATION ${KIVRA_WINDOWS_LIBRARY_DIR})

if(WIN32)
    enable_language(RC)
    target_sources(kivra32 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/kivra32.rc)
    return()
endif()

# The reverse-DNS name shared by the desktop entry, the AppStream data and the running program.
set(KIVRA_DESKTOP_ID org.example.kivra32)
set(res ${CMAKE_CURRENT_LIST_DIR})

# Hardened as Debian builds its packages; the sanitizer build brings its own instrumentation.
if(NOT KIVRA_SANITIZE AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    include(CheckPIESupported)
    check_pie_supported()
    foreach(target IN ITEMS kivra32 kivra32_window kivra_gui kivra_core kivra_platform_core
                   kivra_widgets)
        if(TARGET ${target})
            set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
            target_compile_options(${target} PRIVATE -fstack-protector-strong
                $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
        endif()
    endforeach()
    target_link_options(kivra32 PRIVATE -Wl,-z,relro -Wl,-z,now)
    target_link_options(kivra32_window PRIVATE -Wl,-z,relro -Wl,-z,now)
endif()
# Qt lives in the system's library path: the installed program needs no RUNPATH.
set_target_properties(kivra32 kivra32_window PROPERTIES INSTALL_RPATH "")

# The AppStream release: the version from project(), the date from the changelog's latest entry
# (" -- NAME <MAIL>  Mon, 07 Dec 2026 12:00:00 +0000"); tests/app checks that their versions agree.
set(docs ${CMAKE_CURRENT_BINARY_DIR}/package-docs)
file(STRINGS ${res}/debian/changelog signed REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX MATCH ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) " _ "${signed}")
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_2}" month)
if(month LESS 0)
    message(FATAL_ERROR "No date in the latest entry of ${res}/debian/changelog")
endif()
math(EXPR month "${month} + 1")
if(month LESS 10)
    set(month 0${month})
endif()
set(KIVRA_RELEASE_DATE ${year}-${month}-${day})
configure_file(${res}/${KIVRA_DESKTOP_ID}.metainfo.xml.in ${docs}/${KIVRA_DESKTOP_ID}.metainfo.xml
               @ONLY)

install(FILES ${res}/${KIVRA_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${docs}/${KIVRA_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# "Describe with Kivra/32" in the file managers' context menus: Dolphin and Konqueror (KIO, which
# trusts a service menu only when it is executable), Nemo, and Caja and PCManFM-Qt.
install(PROGRAMS ${res}/file_managers/kio_service_menu.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kio/servicemenus RENAME ${KIVRA_DESKTOP_ID}.desktop)
install(FILES ${res}/debian/kivra32.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kivra32)
install(FILES ${res}/file_managers/kivra32.nemo_action
        DESTINATION ${CMAKE_INSTALL_DATADIR}/nemo/actions)
install(FILES ${res}/file_managers/file_manager_action.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/file-manager/actions RENAME ${KIVRA_DESKTOP_ID}.desktop)
install(FILES ${res}/kivra32.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${res}/icons/kivra32-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME kivra32.png)
endforeach()

# The manual pages are made from the Help window's Markdown, so the two never differ; English in
# man1, each translation in LANG/man1. Their title line takes the version from project().
find_program(KIVRA_GO_MD2MAN go-md2man REQUIRED)
set(gzip_sources ${res}/debian/changelog)
set(gzip_targets ${docs}/changelog.gz)
foreach(lang IN ITEMS "" ${KIVRA_HELP_LANGUAGES})
    if(lang)
        set(md ${res}/kivra32.${lang}.md)
        set(page ${docs}/${lang}/kivra32.1)
        set(man_dir ${CMAKE_INSTALL_MANDIR}/${lang}/man1)
    else()
        set(md ${res}/kivra32.md)
        set(page ${docs}/kivra32.1)
        set(man_dir ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
    get_filename_component(page_dir ${page} DIRECTORY)
    configure_file(${md} ${page}.md @ONLY)
    add_custom_command(OUTPUT ${page}
        COMMAND ${KIVRA_GO_MD2MAN} -in ${page}.md -out ${page}
        DEPENDS ${page}.md VERBATIM)
    list(APPEND gzip_sources ${page})
    list(APPEND gzip_targets ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${man_dir})
endforeach()

# Debian wants the manual pages and the changelog compressed with gzip -9n (no name, no time).
foreach(source target IN ZIP_LISTS gzip_sources gzip_targets)
    add_custom_command(OUTPUT ${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${docs}
        COMMAND gzip -9n -c ${source} > ${target}
        DEPENDS ${source} VERBATIM)
    list(APPEND gzipped ${target})
endforeach()
add_custom_target(package_docs ALL DEPENDS ${gzipped})
install(FILES ${docs}/changelog.gz ${res}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kivra32)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kivra32)
set(CPACK_PACKAGE_VENDOR "The Kivra32 developers")
set(CPACK_PACKAGE_CONTACT "The Kivra32 developers <kivra32@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [=[
Kivra/32 keeps notes about downloaded or collected files and directories:
what each one is and what it is for. Browse the drives, directories and
files, type a description for the item shown and move on; the description
is kept with the item's full path, one line per entry, in a plain-text log.

The View Current window lists the entries sorted and deletes one or all of
them; Export saves the log as plain text or as an RTF document.]=])
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kivra32.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "hardinfo | kinfocenter | lshw-gtk")
include(CPack)
