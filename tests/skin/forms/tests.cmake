if(WIN32)
  # Form skinning on the program's real windows.
  pvx_win_test_group(skin_forms ui
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/PvxControlTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinProviderTest.cpp
  )
endif()
