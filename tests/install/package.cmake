# Builds the Debian package from the build tree, unpacks it into a scratch root (no root
# needed) and checks what a player would get: the package's name and fields, every file against
# tests/install/package_files.txt, the installed programs' --version, the installed data by
# check-data and a first update-data, the desktop entry, the metainfo, the MIME types, a puzzle
# file opened as from a file manager, the manual pages, and lintian (no errors, no warnings).
# Run with -DBUILD_DIR=... -DSOURCE_DIR=... -DSCRATCH=... -DVERSION=...
foreach(tool cpack dpkg dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli
        update-mime-database man lintian)
    find_program(found_${tool} ${tool})
    if(NOT found_${tool})
        message(FATAL_ERROR "the package test needs ${tool}: apt-get install dpkg-dev file "
                            "desktop-file-utils appstream shared-mime-info man-db lintian")
    endif()
endforeach()

# Runs a command; stops the test with its output unless it exits 0. OUT receives stdout.
function(run out)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                    ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "${command} failed (${status}):\n${output}${errors}")
    endif()
    set(${out} "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")

# --- The package -----------------------------------------------------------------------------
run(ignored "${found_cpack}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${SCRATCH}")
run(arch "${found_dpkg}" --print-architecture)
string(STRIP "${arch}" arch)
set(deb "${SCRATCH}/quillby_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
    file(GLOB made "${SCRATCH}/*.deb")
    message(FATAL_ERROR "expected ${deb}, cpack made: ${made}")
endif()
run(fields "${found_dpkg-deb}" -f "${deb}" Package Version Section Depends)
foreach(expected "Package: quillby\n" "Version: ${VERSION}\n" "Section: games\n" "libc6 (>="
        "libqt6widgets6 (>=")
    string(FIND "${fields}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the package's fields lack '${expected}':\n${fields}")
    endif()
endforeach()

# --- Its files --------------------------------------------------------------------------------
set(root "${SCRATCH}/root")
run(ignored "${found_dpkg-deb}" -x "${deb}" "${root}")
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(SORT files)
file(STRINGS "${SOURCE_DIR}/tests/install/package_files.txt" expected REGEX "^[^#]")
list(SORT expected)
if(NOT files STREQUAL expected)
    set(missing ${expected})
    list(REMOVE_ITEM missing ${files})
    set(extra ${files})
    list(REMOVE_ITEM extra ${expected})
    string(REPLACE ";" "\n  " missing "${missing}")
    string(REPLACE ";" "\n  " extra "${extra}")
    message(FATAL_ERROR "the package's files differ from tests/install/package_files.txt "
                        "(update the list when a file is meant to be added or removed)\n"
                        "missing:\n  ${missing}\nnot listed:\n  ${extra}")
endif()

# --- The installed programs and data ---------------------------------------------------------
set(games "${root}/usr/games")
run(version "${games}/quillby-cli" --version)
run(game_version "${games}/quillby" --version)
if(NOT version STREQUAL "quillby-cli ${VERSION}\n" OR
   NOT game_version STREQUAL "quillby ${VERSION}\n")
    message(FATAL_ERROR "installed versions: '${version}', '${game_version}', not ${VERSION}")
endif()
set(shipped "${root}/usr/share/quillby")
run(report "${games}/quillby-cli" check-data "${shipped}")
run(update "${games}/quillby-cli" update-data "${shipped}" "${SCRATCH}/player")
file(READ "${shipped}/data/stamp" shipped_stamp)
file(READ "${SCRATCH}/player/data/stamp" player_stamp)
if(NOT player_stamp STREQUAL shipped_stamp)
    message(FATAL_ERROR "update-data left the stamp '${player_stamp}': ${update}")
endif()

# --- Desktop integration and manual pages -----------------------------------------------------
run(output "${found_desktop-file-validate}" "${root}/usr/share/applications/quillby.desktop")
if(NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${output}")
endif()
file(GLOB metainfo "${root}/usr/share/metainfo/*.metainfo.xml")
run(ignored "${found_appstreamcli}" validate --no-net --pedantic ${metainfo})
file(COPY "${root}/usr/share/mime/packages" DESTINATION "${SCRATCH}/mime")
run(ignored "${found_update-mime-database}" "${SCRATCH}/mime")
file(READ "${SCRATCH}/mime/globs2" globs)
foreach(glob "application/x-quillby-crossword:*.crs" "application/x-crossword:*.puz"
        "application/x-ipuz:*.ipuz")
    string(FIND "${globs}" "${glob}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the MIME types lack ${glob}:\n${globs}")
    endif()
endforeach()
# A double-click on a .puz file: the desktop entry, the launcher and the game open it.
run(ignored sh "${SOURCE_DIR}/tests/install/open_from_file_manager.sh" "${root}"
    "${SCRATCH}/double-click")
file(GLOB pages "${root}/usr/share/man/man6/*.6.gz")
foreach(page IN LISTS pages)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8 MANWIDTH=80
                            "${found_man}" --warnings -E UTF-8 -l "${page}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE warnings)
    if(NOT status EQUAL 0 OR NOT warnings STREQUAL "" OR NOT text MATCHES "NAME")
        message(FATAL_ERROR "man -l ${page} (${status}):\n${warnings}")
    endif()
endforeach()

# --- lintian: no errors and no warnings (the notes it gives at info level, and why they stay,
# are in packaging/CMakeLists.txt)
execute_process(COMMAND "${found_lintian}" "${deb}" OUTPUT_VARIABLE tags ERROR_QUIET)
if(tags MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian:\n${tags}")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
