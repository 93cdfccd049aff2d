# Read by cpack before it packs: the Debian package must come from a build
# configured for the prefix it installs to.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_TRUCEWARD_INSTALL_PREFIX STREQUAL "/usr")
    message(FATAL_ERROR "The Debian package installs below /usr, but this build was "
                        "configured for ${CPACK_TRUCEWARD_INSTALL_PREFIX}: configure it "
                        "with -DCMAKE_INSTALL_PREFIX=/usr and build it again.")
endif()
