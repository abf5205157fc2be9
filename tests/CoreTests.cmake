# The tests of the core and their helpers: standard C++ and GoogleTest only, no Qt, so that a build without Qt
# (a cross-build, say) can include this file and compile them against pennoc_core and pennoc_files.
set(PENNOC_CORE_TEST_SUPPORT_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/support/RecordingPlatform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/TemporaryFolder.cpp
)

set(PENNOC_CORE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/app/NoteBookTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/NoteTitlesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/StoredTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/TextWidthTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/platform/SystemErrorTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/PropertyBagTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/todo/EditorCaptionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/todo/ReminderClockTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/todo/TaskActionRunTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/todo/TimeFieldsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/todo/TodoEntryBuilderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/todo/TodoLineTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/todo/TodoListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windows/DesktopEntryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windows/RegistryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windows/RegistryValueDataTest.cpp
)
