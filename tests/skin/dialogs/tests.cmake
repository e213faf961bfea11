# Dialog windows of the system skinned from outside, opened from the real
# main window as a user opens them.
if(WIN32)
  pvx_win_test_group(skin_dialogs ui
    ${CMAKE_CURRENT_LIST_DIR}/DialogTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DarkModeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogChildKindsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogLeakTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ErrorBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OpenFileDialogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShellDialogsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemDialogTreesTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/PvxControlTestSupport.cpp
  )
endif()
