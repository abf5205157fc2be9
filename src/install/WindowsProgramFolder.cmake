# The program folder as a Windows user unpacks it: the executable with its sound module and Sounds/, Qt's DLLs,
# the platform and style plugins that Qt looks for beside the executable, Qt's Chinese catalogues, and the MinGW
# runtime that all of them share. The program keeps Notes/ and AutoRun.sd there once it runs; the install never
# writes them.
install(TARGETS pennoc RUNTIME DESTINATION .)
install(TARGETS pennoc_sound LIBRARY DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Sounds DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# The catalogues are the host Qt's, of the same version; "qt" loads only when the module catalogues it names are
# there too. qt.conf roots Qt's paths in the program folder.
set(qt_catalogues ${QT_HOST_PATH}/share/qt6/translations)
foreach(catalogue qt_zh_CN.qm qtbase_zh_CN.qm qtmultimedia_zh_CN.qm)
    if(NOT EXISTS ${qt_catalogues}/${catalogue})
        message(FATAL_ERROR "${qt_catalogues}/${catalogue} is missing (Debian's qt6-translations-l10n has it)")
    endif()
    install(FILES ${qt_catalogues}/${catalogue} DESTINATION translations)
endforeach()
install(FILES qt.conf DESTINATION .)
if(MINGW)
    foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
            OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${runtime_path}")
            message(FATAL_ERROR "The compiler does not know where ${runtime} is")
        endif()
        install(FILES ${runtime_path} DESTINATION .)
    endforeach()
endif()
