# Runs the generator into two scratch roots, checks the first with --check
# and compares every written file between the two and with the committed one
# (under COMMITTED, the repository root), so that a change to the generator
# cannot land without the pictures it draws; then gives the check a catalog
# it must find fault with, and checks the repository's own catalogs.
file(REMOVE_RECURSE ${SCRATCH})
foreach(run first second)
    file(MAKE_DIRECTORY ${SCRATCH}/${run})
    execute_process(COMMAND ${ARTGEN} ${SCRATCH}/${run} RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "artgen failed on the ${run} run")
    endif()
endforeach()

execute_process(COMMAND ${ARTGEN} --check ${SCRATCH}/first RESULT_VARIABLE status
                OUTPUT_VARIABLE report)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the written files fail their check:\n${report}")
endif()

file(GLOB_RECURSE written RELATIVE ${SCRATCH}/first ${SCRATCH}/first/*.png)
list(LENGTH written count)
# 32 images, 95 glyphs, 6 icons and the contact sheet.
if(NOT count EQUAL 134)
    message(FATAL_ERROR "expected 134 pictures, found ${count}")
endif()
# A picture the generator no longer draws must not linger in the repository.
file(GLOB_RECURSE committed RELATIVE ${COMMITTED} ${COMMITTED}/assets/images/*.png
     ${COMMITTED}/assets/fonts/*.png)
foreach(file ${committed})
    if(NOT EXISTS ${SCRATCH}/first/${file})
        message(FATAL_ERROR "${file} is committed but no longer drawn: remove it")
    endif()
endforeach()
# And the glyphs' spacing, a header of the game, and their list for its build.
list(APPEND written assets/GlyphSpacing.h assets/fonts/glyphs.cmake)
foreach(file ${written})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/first/${file}
                            ${SCRATCH}/second/${file}
                    RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        message(FATAL_ERROR "${file} differs between two runs")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/first/${file}
                            ${COMMITTED}/${file}
                    RESULT_VARIABLE stale)
    if(NOT stale EQUAL 0)
        message(FATAL_ERROR "${file} differs from the committed file: run artgen on the repository")
    endif()
endforeach()
# The game's catalogs are checked too: a translation that the font cannot
# letter fails, and says where.
file(WRITE ${SCRATCH}/first/po/truceward.pot "msgid \"enter war\"\nmsgstr \"\"\n")
file(WRITE ${SCRATCH}/first/po/de.po "msgid \"enter war\"\nmsgstr \"in den Krieg\"\n")
execute_process(COMMAND ${ARTGEN} --check ${SCRATCH}/first RESULT_VARIABLE status
                OUTPUT_VARIABLE report)
if(status EQUAL 0 OR NOT report MATCHES "po/de.po:1: msgid \"enter war\": the msgstr uses \"K\"")
    message(FATAL_ERROR "a catalog with a letter the font lacks passes:\n${report}")
endif()
# And the repository's own catalogs: every letter has a glyph and every
# text fits its box.
execute_process(COMMAND ${ARTGEN} --check ${COMMITTED} RESULT_VARIABLE status
                OUTPUT_VARIABLE report)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the repository fails its check:\n${report}")
endif()
file(REMOVE_RECURSE ${SCRATCH})
