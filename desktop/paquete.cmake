# The Debian package: scripts/package runs cpack on a release build configured with this.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME eltarvo)
set(CPACK_PACKAGE_VENDOR "The El Tarvo developers")
set(CPACK_PACKAGE_CONTACT "The El Tarvo developers <eltarvo@eltarvo.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guessing game that learns")
set(CPACK_PACKAGE_DESCRIPTION
    "You think of an object; El Tarvo asks yes/no questions from its knowledge base
and names an object. When it guesses wrong, you type the object you meant and a
question that tells it apart, and it learns it.

Knowledge bases are plain .tvo text files, one per subject, that can also be
read and edited in any text editor. The interface is in Spanish. The package
also holds eltarvo-tvo, which checks, shows and draws knowledge bases.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Spanish translations, so that the file dialog and the message boxes' buttons read in Spanish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
