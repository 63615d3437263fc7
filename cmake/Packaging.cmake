# `cpack -G DEB` in a build folder makes lumetra_<version>_amd64.deb from the install rules; the
# package's library dependencies are worked out from the installed binaries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME lumetra)
set(CPACK_PACKAGE_VENDOR "The Lumetra developers")
set(CPACK_PACKAGE_CONTACT "The Lumetra developers <lumetra@lumetra.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for IES photometric files")
set(CPACK_PACKAGE_DESCRIPTION
  "Lumetra browses folders of IES LM-63 photometric files, shows each luminaire's description\n\
and goniogram plane by plane, and renders the pattern of light it casts. lumetra-cli prints a\n\
file's data as JSON, draws goniograms and checks whole folders without a window.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://lumetra.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's design font; without it Qt falls back to another sans serif face.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
include(CPack)
