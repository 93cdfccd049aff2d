# Compiles the PNG images, glyphs and the window's icon into the game library
# as byte arrays, and the demonstration replay. The PNG files are made by
# tools/artgen, the replay by tools/demo, and committed under assets/.

set(TRUCEWARD_ASSETS_DIR ${CMAKE_SOURCE_DIR}/assets CACHE PATH
    "Folder holding the images/, fonts/ and icon/ PNG files to embed")

set(TRUCEWARD_IMAGE_NAMES
    background guy fighter brick bullet shotbang alertcircle centralmound sidemounds
    smokepff title mouse leftbuttonup leftbuttondown leftbuttonover rightbuttonup
    rightbuttondown rightbuttonover barbuttonup barbuttondown barbuttonover playermarker
    smallbuttonup smallbuttondown smallbuttonover focusnumber focusbar focusbutton focusline
    alertlaiddown alertpeacekeeper howtoplay)
# The glyphs in font order, as tools/artgen drew them (TRUCEWARD_FONT_NAMES).
include(${TRUCEWARD_ASSETS_DIR}/fonts/glyphs.cmake)
set(TRUCEWARD_WINDOW_ICON_NAME truceward-64)
set(TRUCEWARD_DEMO_NAME demo)

add_executable(truceward_embed ${CMAKE_SOURCE_DIR}/tools/embed/embed.cpp)
set_target_properties(truceward_embed PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

function(truceward_embed_group nameSpace folder extension)
    set(files)
    foreach(name ${ARGN})
        set(file ${TRUCEWARD_ASSETS_DIR}/${folder}/${name}.${extension})
        if(NOT EXISTS ${file})
            message(FATAL_ERROR "Missing asset ${file}: run tools/artgen or tools/demo to make it")
        endif()
        list(APPEND files ${file})
    endforeach()
    set(output ${CMAKE_BINARY_DIR}/generated/${nameSpace}Data.cpp)
    add_custom_command(OUTPUT ${output}
        COMMAND truceward_embed ${nameSpace} ${output} ${files}
        DEPENDS truceward_embed ${files}
        COMMENT "Embedding ${nameSpace} data")
    set(TRUCEWARD_EMBEDDED_SOURCES ${TRUCEWARD_EMBEDDED_SOURCES} ${output} PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/generated)
set(TRUCEWARD_EMBEDDED_SOURCES)
truceward_embed_group(Images images png ${TRUCEWARD_IMAGE_NAMES})
truceward_embed_group(Fonts fonts png ${TRUCEWARD_FONT_NAMES})
truceward_embed_group(Icons icon png ${TRUCEWARD_WINDOW_ICON_NAME})
truceward_embed_group(Demos replays twreplay ${TRUCEWARD_DEMO_NAME})
