# Desktop integration: the icon drawn by the game's own code (PNGs and an SVG), a launcher that
# starts the game in a per-user copy of the application folder (installed by tools/data), and
# the desktop entry that runs it. The rest of what a package installs is in packaging/.
# The shipped application folder as seen from the programs' folder, so the install prefix may
# still change at install time (cmake --install build --prefix ...).
file(RELATIVE_PATH QUILLBY_SHARED_FROM_BIN "${CMAKE_INSTALL_PREFIX}/${QUILLBY_INSTALL_BINDIR}"
    "${CMAKE_INSTALL_FULL_DATADIR}/quillby")

add_executable(quillby-icon "${CMAKE_CURRENT_LIST_DIR}/quillby_icon_main.cpp")
target_link_libraries(quillby-icon PRIVATE quillby_ui)
quillby_warnings(quillby-icon)

set(QUILLBY_ICON_DIR "${CMAKE_CURRENT_BINARY_DIR}/icons")
add_custom_command(OUTPUT "${QUILLBY_ICON_DIR}/256x256/quillby.png"
                          "${QUILLBY_ICON_DIR}/scalable/quillby.svg"
    COMMAND quillby-icon "${QUILLBY_ICON_DIR}"
    DEPENDS quillby-icon
    COMMENT "Drawing the application icon")
add_custom_target(quillby_icons ALL DEPENDS "${QUILLBY_ICON_DIR}/256x256/quillby.png"
                                            "${QUILLBY_ICON_DIR}/scalable/quillby.svg")

configure_file("${CMAKE_CURRENT_LIST_DIR}/quillby-launcher.in"
    "${CMAKE_CURRENT_BINARY_DIR}/quillby-launcher" @ONLY)

install(PROGRAMS "${CMAKE_CURRENT_BINARY_DIR}/quillby-launcher" DESTINATION ${QUILLBY_INSTALL_BINDIR})
# The desktop entry names the launcher by its full path, which is known only at install time:
# a desktop session's PATH need not hold the programs' folder (~/.local/games, or /usr/games
# under some session managers).
install(CODE "
    set(QUILLBY_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${QUILLBY_INSTALL_BINDIR}/quillby-launcher\")
    configure_file(\"${CMAKE_CURRENT_LIST_DIR}/quillby.desktop.in\"
        \"${CMAKE_CURRENT_BINARY_DIR}/install-entry/quillby.desktop\" @ONLY)
    file(INSTALL \"${CMAKE_CURRENT_BINARY_DIR}/install-entry/quillby.desktop\"
        DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")")
foreach(size 16 32 48 64 128 256)
    install(FILES "${QUILLBY_ICON_DIR}/${size}x${size}/quillby.png"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES "${QUILLBY_ICON_DIR}/scalable/quillby.svg"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
