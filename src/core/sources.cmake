target_sources(pvx_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Exceptions.cpp)
