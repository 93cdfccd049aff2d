# Runs the generator into two scratch roots, checks the first with --check
# and compares every written file between the two and with the committed one
# (under COMMITTED, the repository root), so that a change to the generator
# cannot land without the pictures it draws.
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
# 36 images, 47 glyphs, 6 icons and the contact sheet.
if(NOT count EQUAL 90)
    message(FATAL_ERROR "expected 90 pictures, found ${count}")
endif()
# A picture the generator no longer draws must not linger in the repository.
file(GLOB_RECURSE committed RELATIVE ${COMMITTED} ${COMMITTED}/assets/images/*.png
     ${COMMITTED}/assets/fonts/*.png)
foreach(file ${committed})
    if(NOT EXISTS ${SCRATCH}/first/${file})
        message(FATAL_ERROR "${file} is committed but no longer drawn: remove it")
    endif()
endforeach()
# And the glyphs' spacing, a header of the game.
list(APPEND written assets/GlyphSpacing.h)
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
file(REMOVE_RECURSE ${SCRATCH})
