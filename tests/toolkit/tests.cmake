if(WIN32)
  target_sources(pvx_win_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ComponentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControlsTest.cpp
  )
endif()
