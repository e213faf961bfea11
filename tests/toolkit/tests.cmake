if(WIN32)
  pvx_win_test_group(toolkit toolkit
    ${CMAKE_CURRENT_LIST_DIR}/ComponentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControlsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PathTextTest.cpp
  )
endif()
