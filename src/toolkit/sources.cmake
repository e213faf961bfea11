if(WIN32)
  target_sources(pvx_toolkit PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Handles.h
  )
endif()
