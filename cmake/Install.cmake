# `cmake --install` lays the game out as a Linux desktop expects it: the binary
# in bin/ (games/ when the prefix is /usr, as Debian keeps games), its sounds in
# share/truceward/sounds/ (where the game looks when no sounds folder stands
# beside the executable), a desktop entry, the icons, the manual page, the
# software-centre metadata, and the copyright and changelog in share/doc/.

# The game's reverse-DNS name names its desktop entry, its icons and its
# metadata; these are the addresses the metadata and the package give.
set(TRUCEWARD_APP_ID io.github.truceward.Truceward)
# Replay files, which the desktop entry opens (a file manager passes the
# file's path alone).
set(TRUCEWARD_REPLAY_MIME_TYPE application/x-truceward-replay)
set(TRUCEWARD_HOMEPAGE https://github.com/truceward/truceward)
set(TRUCEWARD_BUGTRACKER ${TRUCEWARD_HOMEPAGE}/issues)
set(TRUCEWARD_SCREENSHOTS_URL https://raw.githubusercontent.com/truceward/truceward/main/docs)
set(TRUCEWARD_MAINTAINER "The Truceward developers <truceward@users.noreply.github.com>")

# /usr/games is not on the PATH of every desktop session, so the entry names
# the game by its full path there.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(TRUCEWARD_INSTALL_BINDIR games)
    set(TRUCEWARD_DESKTOP_EXEC /usr/games/truceward)
else()
    set(TRUCEWARD_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
    set(TRUCEWARD_DESKTOP_EXEC truceward)
endif()

# The changelog's date is in the form of e-mail headers.
execute_process(
    COMMAND env LC_ALL=C date -u -d ${TRUCEWARD_RELEASE_DATE} "+%a, %d %b %Y 00:00:00 +0000"
    OUTPUT_VARIABLE TRUCEWARD_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
set(TRUCEWARD_SOUNDS_DIR ${CMAKE_INSTALL_FULL_DATADIR}/truceward/sounds)

set(TRUCEWARD_LINUX_DIR ${CMAKE_BINARY_DIR}/linux)
configure_file(app/linux/truceward.desktop.in ${TRUCEWARD_LINUX_DIR}/${TRUCEWARD_APP_ID}.desktop @ONLY)
configure_file(app/linux/truceward.metainfo.xml.in ${TRUCEWARD_LINUX_DIR}/${TRUCEWARD_APP_ID}.metainfo.xml @ONLY)
configure_file(app/linux/truceward.6.in ${TRUCEWARD_LINUX_DIR}/truceward.6 @ONLY)
configure_file(app/linux/truceward-mime.xml.in ${TRUCEWARD_LINUX_DIR}/${TRUCEWARD_APP_ID}.xml @ONLY)
configure_file(app/linux/copyright.in ${TRUCEWARD_LINUX_DIR}/copyright @ONLY)
configure_file(app/linux/changelog.in ${TRUCEWARD_LINUX_DIR}/changelog @ONLY)

# Debian wants the manual page and the changelog compressed to the maximum,
# without a time stamp.
find_program(TRUCEWARD_GZIP gzip REQUIRED)
set(TRUCEWARD_COMPRESSED)
foreach(name truceward.6 changelog)
    add_custom_command(OUTPUT ${TRUCEWARD_LINUX_DIR}/gz/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${TRUCEWARD_LINUX_DIR}/${name} ${TRUCEWARD_LINUX_DIR}/gz/${name}
        COMMAND ${TRUCEWARD_GZIP} -9nf ${TRUCEWARD_LINUX_DIR}/gz/${name}
        DEPENDS ${TRUCEWARD_LINUX_DIR}/${name})
    list(APPEND TRUCEWARD_COMPRESSED ${TRUCEWARD_LINUX_DIR}/gz/${name}.gz)
endforeach()
add_custom_target(truceward_documents ALL DEPENDS ${TRUCEWARD_COMPRESSED})
# Building the game is enough to install it.
add_dependencies(truceward truceward_documents)

install(TARGETS truceward RUNTIME DESTINATION ${TRUCEWARD_INSTALL_BINDIR})
install(FILES ${TRUCEWARD_SOUND_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/truceward/sounds)
# The desktop entry, the metadata and the replays' file type are installed
# with their translations merged in (cmake/Translations.cmake).
set(TRUCEWARD_TRANSLATED_DIR ${TRUCEWARD_LINUX_DIR}/translated)
install(FILES ${TRUCEWARD_TRANSLATED_DIR}/${TRUCEWARD_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TRUCEWARD_TRANSLATED_DIR}/${TRUCEWARD_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TRUCEWARD_TRANSLATED_DIR}/${TRUCEWARD_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${TRUCEWARD_LINUX_DIR}/gz/truceward.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${TRUCEWARD_LINUX_DIR}/copyright ${TRUCEWARD_LINUX_DIR}/gz/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/truceward)
foreach(size 16 32 48 64 128 256)
    set(icon ${CMAKE_SOURCE_DIR}/assets/icon/truceward-${size}.png)
    if(EXISTS ${icon})
        install(FILES ${icon}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${TRUCEWARD_APP_ID}.png)
    endif()
endforeach()
