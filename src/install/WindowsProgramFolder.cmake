# The program folder as a Windows user unpacks it: the executable with its sound module and Sounds/, Qt's DLLs,
# the platform and style plugins that Qt looks for beside the executable, and the MinGW runtime that all of them
# share. The program keeps Notes/ and AutoRun.sd there once it runs; the install never writes them.
install(TARGETS pennoc RUNTIME DESTINATION .)
install(TARGETS pennoc_sound LIBRARY DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Sounds DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
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
