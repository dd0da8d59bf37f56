# The manual pages tallyrune(1) and tallyrune-cli(1), with the version put in, compressed as
# installed.
include(${CMAKE_CURRENT_LIST_DIR}/Gzip.cmake)
# The version the manual pages name.
set(MAN_PAGE_VERSION ${PROJECT_VERSION})

set(MAN_PAGES)
foreach(page tallyrune.1 tallyrune-cli.1)
    set(page_source ${PROJECT_BINARY_DIR}/man/${page})
    configure_file(${PROJECT_SOURCE_DIR}/resources/${page} ${page_source} @ONLY)
    tallyrune_gzip(${page_source} ${page_source}.gz)
    list(APPEND MAN_PAGES ${page_source}.gz)
endforeach()
add_custom_target(tallyrune_man DEPENDS ${MAN_PAGES})
add_dependencies(tallyrune-cli tallyrune_man)
install(FILES ${MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
