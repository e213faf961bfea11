# Portable: the time stamp pattern.
target_sources(pvx_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/StampFormat.cpp)
# Windows: file information, shell operations, the folder picker, shell services.
if(WIN32)
  target_sources(pvx_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Browse4Folder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxFileCtrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShellServices.cpp
  )
endif()
