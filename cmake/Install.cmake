# make install: the programs (the designer, tallyrune-cli and its printing half), the help page,
# the desktop entry, the AppStream metainfo, the MIME type, the icons, the manual pages and the
# bash completion, in the usual places below the prefix.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/ManPages.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Icons.cmake)

set(DESKTOP_FILES ${PROJECT_SOURCE_DIR}/resources/desktop)
install(TARGETS tallyrune tallyrune-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# tallyrune-cli hands print and testpage to tallyrune-cli-print, which is no command of its own:
# it stays out of PATH, and tallyrune-cli finds it there, by this path from its own folder, when
# it is not beside it as in the build folder.
set(PRINTING_HELPER_FOLDER ${CMAKE_INSTALL_LIBEXECDIR}/tallyrune)
install(TARGETS tallyrune-cli-print RUNTIME DESTINATION ${PRINTING_HELPER_FOLDER})
file(RELATIVE_PATH helper_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${PRINTING_HELPER_FOLDER})
target_compile_definitions(tallyrune-cli PRIVATE TALLYRUNE_HELPER_FROM_BIN="${helper_from_bin}")
# The designer finds its help page here, through ../share/tallyrune from the program's folder.
install(FILES ${PROJECT_SOURCE_DIR}/resources/Help.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tallyrune)
install(FILES ${DESKTOP_FILES}/tallyrune.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DESKTOP_FILES}/tallyrune.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# Software centres list the designer by its metainfo, whose release is this version.
set(METAINFO org.tallyrune.Tallyrune.metainfo.xml)
configure_file(${DESKTOP_FILES}/${METAINFO} ${PROJECT_BINARY_DIR}/${METAINFO} @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# bash-completion's completionsdir (pkg-config) below the prefix; it also looks there for
# /usr/local and the other XDG_DATA_DIRS.
install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/tallyrune-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
