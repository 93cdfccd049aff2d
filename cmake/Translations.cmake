# The game's words in other languages: gettext catalogs, po/LANG.po, one a
# language. Building compiles each into locale/LANG/LC_MESSAGES/truceward.mo
# beside the executable, where a build run from its folder finds them; the
# installation puts them where Debian keeps catalogs. A new language is a new
# po/LANG.po: nothing here names the languages.
#
# `cmake --build BUILD --target truceward_pot` makes po/truceward.pot anew
# from the code (every tr("...") and noTr("..."), with the comments that start
# "TRANSLATORS:"), from the desktop entry and from the metadata; `msgmerge
# --update po/LANG.po po/truceward.pot` then brings a catalog up to date.

find_program(TRUCEWARD_MSGFMT msgfmt REQUIRED)
find_program(TRUCEWARD_XGETTEXT xgettext)

file(GLOB TRUCEWARD_PO_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/*.po)
set(TRUCEWARD_CATALOGS)
set(TRUCEWARD_LANGUAGES)
foreach(po ${TRUCEWARD_PO_FILES})
    get_filename_component(language ${po} NAME_WE)
    set(mo ${CMAKE_BINARY_DIR}/locale/${language}/LC_MESSAGES/truceward.mo)
    add_custom_command(OUTPUT ${mo}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/locale/${language}/LC_MESSAGES
        COMMAND ${TRUCEWARD_MSGFMT} --check -o ${mo} ${po}
        DEPENDS ${po}
        COMMENT "Compiling the ${language} catalog")
    list(APPEND TRUCEWARD_CATALOGS ${mo})
    list(APPEND TRUCEWARD_LANGUAGES ${language})
    install(FILES ${mo} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${language}/LC_MESSAGES)
endforeach()
# The desktop entry, the metadata and the file type's description, with the
# catalogs' words merged in: msgfmt takes every catalog its LINGUAS names, so
# a folder of copies gets one that names them all.
set(TRUCEWARD_PO_COPIES ${CMAKE_BINARY_DIR}/po)
file(MAKE_DIRECTORY ${TRUCEWARD_PO_COPIES})
string(REPLACE ";" "\n" TRUCEWARD_LINGUAS "${TRUCEWARD_LANGUAGES}")
file(WRITE ${TRUCEWARD_PO_COPIES}/LINGUAS "${TRUCEWARD_LINGUAS}\n")
set(TRUCEWARD_TRANSLATED_FILES)
foreach(entry "desktop;${TRUCEWARD_APP_ID}.desktop" "xml;${TRUCEWARD_APP_ID}.metainfo.xml"
        "xml;${TRUCEWARD_APP_ID}.xml")
    list(GET entry 0 mode)
    list(GET entry 1 name)
    if(TRUCEWARD_PO_FILES)
        set(translate
            COMMAND ${CMAKE_COMMAND} -E copy ${TRUCEWARD_PO_FILES} ${TRUCEWARD_PO_COPIES}
            COMMAND ${TRUCEWARD_MSGFMT} --${mode} --template=${TRUCEWARD_LINUX_DIR}/${name}
                -d ${TRUCEWARD_PO_COPIES} -o ${TRUCEWARD_TRANSLATED_DIR}/${name})
    else()
        set(translate COMMAND ${CMAKE_COMMAND} -E copy ${TRUCEWARD_LINUX_DIR}/${name}
            ${TRUCEWARD_TRANSLATED_DIR}/${name})
    endif()
    add_custom_command(OUTPUT ${TRUCEWARD_TRANSLATED_DIR}/${name}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TRUCEWARD_TRANSLATED_DIR}
        ${translate}
        DEPENDS ${TRUCEWARD_LINUX_DIR}/${name} ${TRUCEWARD_PO_FILES}
        COMMENT "Translating ${name}")
    list(APPEND TRUCEWARD_TRANSLATED_FILES ${TRUCEWARD_TRANSLATED_DIR}/${name})
endforeach()

add_custom_target(truceward_translations ALL DEPENDS ${TRUCEWARD_CATALOGS} ${TRUCEWARD_TRANSLATED_FILES})
add_dependencies(truceward truceward_translations)

if(TRUCEWARD_XGETTEXT)
    file(GLOB_RECURSE TRUCEWARD_TRANSLATED_SOURCES RELATIVE ${CMAKE_SOURCE_DIR}
        ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/battle/*.cpp
        ${CMAKE_SOURCE_DIR}/graphics/*.cpp ${CMAKE_SOURCE_DIR}/replay/*.cpp
        ${CMAKE_SOURCE_DIR}/title/*.cpp)
    list(SORT TRUCEWARD_TRANSLATED_SOURCES)
    add_custom_target(truceward_pot
        COMMAND ${TRUCEWARD_XGETTEXT} --from-code=UTF-8 --keyword=tr:1,1t --keyword=tr:1c,2,2t
            --keyword=noTr:1,1t --keyword=noTr:1c,2,2t
            --add-comments=TRANSLATORS: --sort-by-file --no-wrap --package-name=Truceward
            --package-version=${PROJECT_VERSION} --msgid-bugs-address=${TRUCEWARD_BUGTRACKER}
            -o po/code.pot ${TRUCEWARD_TRANSLATED_SOURCES}
        COMMAND ${TRUCEWARD_XGETTEXT} --from-code=UTF-8 --no-wrap --omit-header
            -o po/desktop.pot app/linux/truceward.desktop.in app/linux/truceward.metainfo.xml.in
            app/linux/truceward-mime.xml.in
        COMMAND msgcat --no-wrap --use-first -o po/truceward.pot po/code.pot po/desktop.pot
        COMMAND ${CMAKE_COMMAND} -E remove po/code.pot po/desktop.pot
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        COMMENT "Making po/truceward.pot from the code")
endif()

# The contact sheet of the languages shows every catalog.
if(TARGET truceward_screenshot)
    add_dependencies(truceward_screenshot truceward_translations)
endif()
