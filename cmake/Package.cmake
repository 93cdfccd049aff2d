# `cpack -G DEB` in a build configured with -DCMAKE_INSTALL_PREFIX=/usr makes
# the Debian package: what `cmake --install` lays out, below /usr, with the
# binary stripped and its dependencies read from the libraries it links.

set(CPACK_PACKAGE_NAME truceward)
set(CPACK_PACKAGE_VENDOR "The Truceward developers")
set(CPACK_PACKAGE_CONTACT ${TRUCEWARD_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lay bricks between two warring sides and bring a truce")
set(CPACK_PACKAGE_DESCRIPTION
"Truceward is a small arcade game. Two sides of a battlefield shoot at each
other across the field. You walk the centre line carrying bricks and lay
them into two walls in the middle: a brick stops one bullet and saves the
person it was heading for.

Families remember: a death can drive a civilian to take up arms, a rescue
can make a fighter lay them down again, or turn somebody into a peace
keeper who lays bricks of their own. The war is over when no fighter is
left, and the quicker the truce, the higher the score. The best score of
every combination of start numbers is kept.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TRUCEWARD_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL opens the OpenGL library only when the window is made, so reading the
# binary's libraries does not find it. Of the two builds of SDL 1.2 Debian
# offers, the one on top of SDL 2 is preferred: it is maintained, it gives the
# window manager the icon in the form current desktops read (_NET_WM_ICON),
# and it never falls back to drawing into a text terminal.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libsdl1.2-compat-shim | libsdl1.2debian")

# The game has the sounds' path and the binary's folder built in: a package
# from a build for another prefix would look in the wrong places.
set(CPACK_TRUCEWARD_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/PackageCheck.cmake)

include(CPack)
