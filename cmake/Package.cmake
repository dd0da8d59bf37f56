# make package: a Debian package of what make install installs, below /usr, that lintian passes.
# Its Depends come from dpkg-shlibdeps (on Debian 12 the X11 and SVG icon plugins that Qt loads
# come with the libraries it links); xdg-utils opens the help page in the browser.
set(TALLYRUNE_MAINTAINER "Tallyrune Maintainers <maintainers@tallyrune.org>")
set(TALLYRUNE_HOMEPAGE "https://tallyrune.org/")
include(${CMAKE_CURRENT_LIST_DIR}/PackageDocs.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyrune)
# One version everywhere: the package's is the project's, as are the manual pages' and
# tallyrune-cli --version's.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vorhelm Software")
set(CPACK_PACKAGE_CONTACT ${TALLYRUNE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TALLYRUNE_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "barcode and label designer")
# The extended description as dpkg shows it: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Tallyrune designs barcodes (Code 39, Code 93, Code 128, Interleaved 2 of 5,\n"
    "UPC, EAN, POSTNET and more), prints them on sheets of labels with sequence\n"
    "numbers, and exports them as pictures (BMP, JPEG, TIFF, PNG, SVG, PDF, WMF,\n"
    "EMF). tallyrune-cli does the same without a window.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders as Debian has them whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qt6-translations-l10n: Qt's own dialogs in the language of the designer's catalogue.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation2, xdg-utils, shared-mime-info, desktop-file-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
# Nothing but the package itself in the working folder of a build.
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
include(CPack)
