# A per-user install: the program folder (the executable and Sounds/) below the data folder, where the program
# also keeps Notes/ and AutoRun.sd, and beside it the menu entry, the theme icon and the AppStream metadata.
# The install never writes Notes/ or AutoRun.sd.
find_package(Qt6 REQUIRED COMPONENTS Svg)

add_executable(pennoc_write_icon_svg WriteIconSvg.cpp)
target_link_libraries(pennoc_write_icon_svg PRIVATE pennoc_ui Qt6::Svg)
set(PENNOC_ICON_SVG ${CMAKE_CURRENT_BINARY_DIR}/pennoc.svg)
add_custom_command(OUTPUT ${PENNOC_ICON_SVG}
    COMMAND pennoc_write_icon_svg ${PENNOC_ICON_SVG}
    DEPENDS pennoc_write_icon_svg
    COMMENT "Drawing the theme icon")
add_custom_target(pennoc_icon_svg ALL DEPENDS ${PENNOC_ICON_SVG})

add_executable(pennoc_write_desktop_entry WriteDesktopEntry.cpp)
target_link_libraries(pennoc_write_desktop_entry PRIVATE pennoc_core Qt6::Core)

set(program_folder pennoc)
install(TARGETS pennoc RUNTIME DESTINATION ${program_folder})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Sounds DESTINATION ${program_folder})
install(FILES ${PENNOC_ICON_SVG} DESTINATION icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/io.pennoc.Pennoc.metainfo.xml DESTINATION metainfo)
install(CODE "
    set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/applications/pennoc.desktop\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/applications\")
    message(STATUS \"Installing: \${entry}\")
    execute_process(COMMAND \"$<TARGET_FILE:pennoc_write_desktop_entry>\"
        \"\${CMAKE_INSTALL_PREFIX}/${program_folder}/$<TARGET_FILE_NAME:pennoc>\" \"\${entry}\"
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR \"Could not write \${entry}\")
    endif()")
