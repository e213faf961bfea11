target_sources(pvx_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Exceptions.cpp)
target_sources(pvx_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PeImports.cpp ${CMAKE_CURRENT_LIST_DIR}/SystemDlls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LaterWindowsCalls.cpp)
