target_sources(pvx_core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/StampFormatTest.cpp)
if(WIN32)
  pvx_win_test_group(fileservices ui
    ${CMAKE_CURRENT_LIST_DIR}/Browse4FolderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxFileCtrlTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShellOperationTest.cpp
  )
endif()
