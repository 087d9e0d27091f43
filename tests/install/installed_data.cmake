# Installs the build into a scratch prefix and checks that the installed application folder is
# the shipped data, byte for byte: nothing a game played in build/app has changed (clue turns,
# solved marks, autosaves) may reach an installed game.
# Run with -DBUILD_DIR=... -DSHIPPED_DIR=... -DAPP_DIR=... -DSCRATCH=...
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${SCRATCH}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
file(GLOB_RECURSE shipped RELATIVE "${SHIPPED_DIR}" "${SHIPPED_DIR}/*")
if(NOT shipped)
    message(FATAL_ERROR "no shipped data in ${SHIPPED_DIR}")
endif()
set(installed_dir "${SCRATCH}/share/quillby")
file(GLOB_RECURSE installed RELATIVE "${installed_dir}" "${installed_dir}/data/*" "${installed_dir}/res/*")
list(SORT shipped)
list(SORT installed)
if(NOT shipped STREQUAL installed)
    message(FATAL_ERROR "installed files ${installed} differ from shipped files ${shipped}")
endif()
foreach(name IN LISTS shipped)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${SHIPPED_DIR}/${name}"
                            "${installed_dir}/${name}" RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "installed ${name} is not the shipped file")
    endif()
endforeach()
# And the install rules never read the folder the game runs from.
file(GLOB_RECURSE scripts "${BUILD_DIR}/cmake_install.cmake" "${BUILD_DIR}/*/cmake_install.cmake")
foreach(script IN LISTS scripts)
    file(READ "${script}" text)
    string(FIND "${text}" "${APP_DIR}/" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "${script} installs from ${APP_DIR}")
    endif()
endforeach()
file(REMOVE_RECURSE "${SCRATCH}")
