# Windows has an installer of its own, made with makensis where it is
# cross-compiled on Debian; a native build ships with its kit's windeployqt.
if(WIN32)
    if(CMAKE_CROSSCOMPILING AND CMAKE_HOST_UNIX)
        include(${CMAKE_CURRENT_LIST_DIR}/windows/windows.cmake)
    endif()
    return()
endif()

# What `cmake --install` puts in place, and the .deb CPack makes of it: the program,
# its menu entry and its icon. The icons are image1.gif on a square canvas, made by
# packaging/make_icons.sh.
include(GNUInstallDirs)
install(TARGETS plicanza RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/plicanza.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 64 128)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/plicanza-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME plicanza.png)
endforeach()

set(CPACK_PACKAGE_NAME plicanza)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bundle compensation calculator for newsagents")
set(CPACK_PACKAGE_CONTACT "Plicanza developers <plicanza@localhost>")
set(CPACK_STRIP_FILES ON)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION misc)
    # dpkg-shlibdeps finds the Qt and C++ runtime packages from the libraries the
    # program links; the fonts the windows name, the SQL driver plugins the
    # viewer loads and Qt's Italian texts it cannot see.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "fonts-liberation, fonts-urw-base35, fonts-dejavu-core, libqt6sql6-sqlite, qt6-translations-l10n")
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libqt6sql6-psql, libqt6sql6-odbc")
endif()
include(CPack)
