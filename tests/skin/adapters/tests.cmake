if(WIN32)
  # Standard controls skinned from outside: the adapters and the skinned
  # scroll bars on real windows, driven by real mouse input.
  pvx_win_test_group(skin_adapters ui
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/model/SkinTestPackages.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/engine/SkinTestFiles.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/PvxControlTestSupport.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/SkinnedTestForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TestFormSkinner.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaneTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditAdapterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PanelAdapterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AttachmentTest.cpp
  )
endif()
