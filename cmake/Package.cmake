# make package: a Debian package of what make install installs, below /usr. Its Depends come
# from dpkg-shlibdeps (on Debian 12 the X11 and SVG icon plugins that Qt loads come with the
# libraries it links); xdg-utils opens the help page in the browser.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyrune)
set(CPACK_PACKAGE_VENDOR "Vorhelm Software")
set(CPACK_PACKAGE_CONTACT "Tallyrune maintainers <tallyrune@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "barcode and label designer")
set(CPACK_PACKAGE_DESCRIPTION
    "Tallyrune designs barcodes (Code 39, Code 93, Code 128, Interleaved 2 of 5, UPC, EAN,\n"
    "POSTNET and more), prints them on sheets of labels with sequence numbers, and exports\n"
    "them as pictures (BMP, JPEG, TIFF, PNG, SVG, PDF, WMF, EMF). tallyrune-cli does the\n"
    "same without a window.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation2, xdg-utils, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
# Nothing but the package itself in the working folder of a build.
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
include(CPack)
