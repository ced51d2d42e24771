# The Windows build cross-compiled on Debian: what runs it under Wine, and what
# the Windows installer carries, laid out as `cmake --install` puts it: the
# program beside exactly the Qt and MinGW runtime DLLs it loads, the plugins it
# uses (platform, SQLite and ODBC drivers, the picture's GIF format), Qt's Italian
# texts, and Kaushan Script (SIL Open Font License), the brush script that stands
# in for Brush Script MT where Office has not brought it. The installer target packs that folder with makensis.
set(qt_plugins
    Qt6::QWindowsIntegrationPlugin
    Qt6::QSQLiteDriverPlugin
    Qt6::QODBCDriverPlugin
    Qt6::QGifPlugin)

install(TARGETS plicanza RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
              $<TARGET_FILE:Qt6::Sql>
        DESTINATION .)
foreach(plugin IN LISTS qt_plugins)
    get_target_property(type ${plugin} QT_PLUGIN_TYPE)
    install(FILES $<TARGET_FILE:${plugin}> DESTINATION plugins/${type})
endforeach()

# The MinGW runtime of 32-bit x86: its libgcc unwinds with DWARF, not SEH.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-runtime.cmake)
foreach(runtime libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    edicola_mingw_runtime(path ${CMAKE_CXX_COMPILER} ${CMAKE_FIND_ROOT_PATH} ${runtime})
    install(FILES ${path} DESTINATION .)
endforeach()

# Run from the build tree (the tests, under Wine), the programs find Qt's plugins
# and texts in Qt's own prefix, as Wine's Z: drive shows it.
file(GENERATE OUTPUT $<TARGET_FILE_DIR:plicanza>/qt.conf
     CONTENT "[Paths]\r\nPrefix = Z:${QT6_INSTALL_PREFIX}\r\n")

# Installed, Qt finds its plugins and texts beside the program.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/installed/qt.conf CONTENT "[Paths]\r\nPrefix = .\r\n")
install(FILES ${CMAKE_BINARY_DIR}/installed/qt.conf DESTINATION .)
install(FILES /usr/share/qt6/translations/qtbase_it.qm DESTINATION translations)
install(FILES /usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf
        DESTINATION fonts)
install(FILES /usr/share/doc/fonts-kaushanscript/copyright DESTINATION fonts
        RENAME KaushanScript-OFL.txt)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/plicanza.ico DESTINATION .)

# Debian's Qt and MinGW DLLs come with their symbols: stripped, the program's
# folder is less than half the size.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE dlls \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
        foreach(dll IN LISTS dlls)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\"
                            COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")

# `cmake --build --preset windows --target installer`: plicanza-setup.exe.
find_program(MAKENSIS makensis REQUIRED)
set(stage ${CMAKE_BINARY_DIR}/stage)
add_custom_target(installer
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage} --strip
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage}
            -DEARLIER=${CMAKE_CURRENT_LIST_DIR}/earlier-files.txt
            -DOUT=${CMAKE_BINARY_DIR}/uninstall-list.nsh
            -DOUT_EARLIER=${CMAKE_BINARY_DIR}/earlier-list.nsh
            -P ${CMAKE_CURRENT_LIST_DIR}/uninstall-list.cmake
    COMMAND ${MAKENSIS} -V2 -DSTAGE=${stage} -DVERSION=${PROJECT_VERSION}
            -DUNINSTALL_LIST=${CMAKE_BINARY_DIR}/uninstall-list.nsh
            -DEARLIER_LIST=${CMAKE_BINARY_DIR}/earlier-list.nsh
            -DOUTFILE=${CMAKE_BINARY_DIR}/plicanza-setup.exe
            ${CMAKE_CURRENT_LIST_DIR}/plicanza.nsi
    DEPENDS plicanza
    COMMENT "plicanza-setup.exe"
    VERBATIM)
