# Runs the generator twice into fresh directories, checks the output with
# the generator's own checker, and compares the runs with each other and
# with the committed files. Variables: SOUNDGEN, WORK_DIR, COMMITTED_DIR.
set(files shot.ogg personDying.ogg brickPuff.ogg music.ogg)

file(REMOVE_RECURSE "${WORK_DIR}")
foreach(run first second)
  execute_process(COMMAND "${SOUNDGEN}" "${WORK_DIR}/${run}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "soundgen failed on the ${run} run (${status})")
  endif()
endforeach()

execute_process(COMMAND "${SOUNDGEN}" --check "${WORK_DIR}/first" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generated files fail the check")
endif()

foreach(f ${files})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
    "${WORK_DIR}/first/${f}" "${WORK_DIR}/second/${f}" RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "${f} differs between two runs: the output is not deterministic")
  endif()
endforeach()

execute_process(COMMAND "${SOUNDGEN}" --check "${COMMITTED_DIR}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the committed sound files in ${COMMITTED_DIR} fail the check")
endif()
foreach(f ${files})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
    "${WORK_DIR}/first/${f}" "${COMMITTED_DIR}/${f}" RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "the committed ${f} is not what the generator makes: regenerate it")
  endif()
endforeach()
message(STATUS "generated files pass, are deterministic and match the committed ones")
