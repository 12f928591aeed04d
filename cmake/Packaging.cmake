# What a package of the programs holds beyond the programs themselves (the AppStream entry, the
# manual pages, the licence and changelog), and the Debian package that scripts/package builds
# with CPack. Everything takes its version from project().
set(PINWALL_PACKAGE_CONTACT "Pinwall <pinwall@example.org>")
set(generated "${CMAKE_BINARY_DIR}/package")

configure_file(data/desktop/io.github.pinwall.Builder.metainfo.xml.in
               "${generated}/io.github.pinwall.Builder.metainfo.xml" @ONLY)
install(FILES "${generated}/io.github.pinwall.Builder.metainfo.xml" DESTINATION share/metainfo)

# Manual pages and the changelog are installed compressed, as Debian wants them; gzip -n keeps
# the package reproducible (no name, no time stamp in the archive).
# The changelog is dated by the release, not by the build.
execute_process(COMMAND date -u -d "${PINWALL_RELEASE_DATE} 12:00" "+%a, %d %b %Y %H:%M:%S +0000"
                OUTPUT_VARIABLE PINWALL_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(data/package/changelog.in "${generated}/changelog" @ONLY)
set(compressed "")
foreach(page Pinwall-Builder.1 PinEdit.1)
  configure_file(data/man/${page} "${generated}/${page}" @ONLY)
endforeach()
foreach(file Pinwall-Builder.1 PinEdit.1 changelog)
  add_custom_command(OUTPUT "${generated}/${file}.gz"
    COMMAND gzip -9nkf "${generated}/${file}"
    DEPENDS "${generated}/${file}" VERBATIM)
  list(APPEND compressed "${generated}/${file}.gz")
endforeach()
add_custom_target(pinwall_package_docs ALL DEPENDS ${compressed})
# Everything the package installs, so that scripts/package builds no tests.
add_custom_target(pinwall_packaged DEPENDS Pinwall-Builder Pinwall-Preview PinEdit pinwall_package_docs)
install(FILES "${generated}/Pinwall-Builder.1.gz" "${generated}/PinEdit.1.gz" DESTINATION share/man/man1)
install(FILES "${generated}/changelog.gz" data/package/copyright DESTINATION share/doc/pinwall)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pinwall)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "${PINWALL_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the Wayland platform plugin and the
# desktop portal (the screen snapshot there) serve a Wayland session. The web engine's helper
# process comes with the web engine's own shlibs entry.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-desktop-portal")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal start page builder for the web browser")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pinwall-Builder arranges links in two to six columns, each with a name, an
address, an info text and a logo cut out of the screen with the mouse, adds
search forms, banners and a background, writes a static start page with its
pictures, previews it and can make it the start page of the installed browsers.
PinEdit edits and checks the shared library of entries. The programs' texts
are German.")
include(CPack)
