# The Debian package made by `cpack -G DEB` in the build folder: everything
# `cmake --install` installs, under /usr, with the library dependencies
# dpkg-shlibdeps (dpkg-dev) reads off the binary.
set(CPACK_PACKAGE_NAME kintree)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "kintree maintainers <kintree@quillmoor.example.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print the class hierarchy declared in Java source files")
set(CPACK_PACKAGE_DESCRIPTION "kintree reads Java source files without compiling them and prints the
classes they declare as a text tree, a name table, HTML pages or GraphViz
graphs, or which packages import what.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "graphviz, bash-completion")
include(CPack)
