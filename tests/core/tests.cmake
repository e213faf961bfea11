target_sources(pvx_core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ExceptionsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PeImportsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/SystemDllsTest.cpp)
