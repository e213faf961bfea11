if(WIN32)
  # Form skinning on the program's real windows and on a sizable test form.
  pvx_win_test_group(skin_forms ui
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/model/SkinTestPackages.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/engine/SkinTestFiles.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/PvxControlTestSupport.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/SkinnedTestForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormFrameOptionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinProviderTest.cpp
  )
endif()
