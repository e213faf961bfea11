if(WIN32)
  # The skin engine at run time: the manager and the control binding, on
  # real forms under Wine.
  pvx_win_test_group(skin_engine ui
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/model/SkinTestPackages.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/controls/PvxControlTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinTestFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CacheCopyTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommonDataTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinManagerTest.cpp
  )
  # The manager's load boundary, in a program of its own: it replaces the
  # allocation functions so that allocations can fail on purpose.
  pvx_win_test_group(skin_load skin
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/model/SkinTestPackages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinManagerLoadTest.cpp
  )
endif()
