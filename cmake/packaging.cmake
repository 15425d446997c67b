# `cpack` (in the build folder) makes the Debian package of the installed tree: the programs,
# share/varmio, the desktop files and the manual pages; varmio-replay stays out. The libraries
# it needs come from dpkg-shlibdeps; the maintainer scripts add the CUPS queue "Varmio" when
# CUPS is there and take it away on removal.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varmio)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Varmio")
set(CPACK_PACKAGE_CONTACT "Varmio developers <developers@varmio.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print-to-web publishing wizard")
# The synopsis above is the first line of the package's description, this text the rest.
set(CPACK_PACKAGE_DESCRIPTION
    "Print a document to the Varmio printer, or pick some files, and the wizard
builds a web page around them: title, keywords, header and footer, free
texts, link tables, a picture index or a link list of the files. It then
delivers page and files in one go: to an FTP server, by e-mail, by copy into
a folder, or into a local intranet of projects and documents with an index
page in every folder. The interface speaks English and German.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugins are loaded at run time, so shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "cups-daemon, cups-client, cups-filters, xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/data/debian/postinst ${PROJECT_SOURCE_DIR}/data/debian/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};runtime;/")
include(CPack)
