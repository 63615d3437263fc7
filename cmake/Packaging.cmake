# `cpack -G DEB` in a build folder makes lumetra_<version>_amd64.deb from the install rules; the
# package's library dependencies are worked out from the installed binaries by dpkg-shlibdeps.
# The maintainer is the address the developers commit under; the project has no web site yet,
# so the package names none.
set(CPACK_PACKAGE_NAME lumetra)
set(CPACK_PACKAGE_VENDOR "The Lumetra developers")
set(CPACK_PACKAGE_CONTACT "The Lumetra developers <maintainers@users.noreply.c-seed-ee50e3a1.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for IES and EULUMDAT photometric files")
# Debian wants description lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
  "Lumetra browses folders of IES LM-63 and EULUMDAT photometric files. It shows\n\
each luminaire's description, photometric figures and goniogram plane by plane,\n\
and renders the pattern of light it casts. lumetra-cli reads the same files\n\
without a window: JSON data, goniograms, summaries, data sheets and checks of\n\
whole folders.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's design font; without it Qt falls back to another sans serif face.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
include(CPack)
