# `cmake --install` lays the game out as a Linux desktop expects it: the binary
# in bin/, its sounds in share/truceward/sounds/ (where the game looks when no
# sounds folder stands beside the executable), a desktop entry and the icons.

install(TARGETS truceward RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TRUCEWARD_SOUND_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/truceward/sounds)
install(FILES ${CMAKE_SOURCE_DIR}/app/linux/truceward.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
    set(icon ${CMAKE_SOURCE_DIR}/assets/icon/truceward-${size}.png)
    if(EXISTS ${icon})
        install(FILES ${icon}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME truceward.png)
    endif()
endforeach()
