# make install: the programs (the designer, tallyrune-cli and its printing half), the help page, the desktop entry, the MIME type, the icons and
# the command-line tool's manual page, in the usual places below the prefix.
include(GNUInstallDirs)

# Manual pages are installed compressed.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(MAN_PAGE ${PROJECT_BINARY_DIR}/tallyrune-cli.1.gz)
add_custom_command(OUTPUT ${MAN_PAGE}
    COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/resources/tallyrune-cli.1 > ${MAN_PAGE}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/tallyrune-cli.1
    COMMENT "Manual page of tallyrune-cli")
add_custom_target(tallyrune_man DEPENDS ${MAN_PAGE})
add_dependencies(tallyrune-cli tallyrune_man)

set(DESKTOP_FILES ${PROJECT_SOURCE_DIR}/resources/desktop)
set(HICOLOR ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable)
# tallyrune-cli hands print and testpage to tallyrune-cli-print, which it finds beside itself.
install(TARGETS tallyrune tallyrune-cli tallyrune-cli-print RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The designer finds its help page here, through ../share/tallyrune from the program's folder.
install(FILES ${PROJECT_SOURCE_DIR}/resources/Help.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tallyrune)
install(FILES ${DESKTOP_FILES}/tallyrune.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DESKTOP_FILES}/tallyrune.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/resources/tallyrune.svg DESTINATION ${HICOLOR}/apps)
install(FILES ${DESKTOP_FILES}/application-x-tallyrune.svg DESTINATION ${HICOLOR}/mimetypes)
install(FILES ${MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
