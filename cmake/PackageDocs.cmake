# What Debian wants of every package in /usr/share/doc/<package>: the copyright in its
# machine-readable form and the changelog, compressed. The package is native (no Debian revision
# to its version), so the changelog is changelog.gz.
include(${CMAKE_CURRENT_LIST_DIR}/Gzip.cmake)
set(PACKAGE_DOCS ${PROJECT_BINARY_DIR}/doc)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright ${PACKAGE_DOCS}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog ${PACKAGE_DOCS}/changelog @ONLY)
tallyrune_gzip(${PACKAGE_DOCS}/changelog ${PACKAGE_DOCS}/changelog.gz)
add_custom_target(tallyrune_package_docs DEPENDS ${PACKAGE_DOCS}/changelog.gz)
add_dependencies(tallyrune tallyrune_package_docs)
install(FILES ${PACKAGE_DOCS}/copyright ${PACKAGE_DOCS}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallyrune)
