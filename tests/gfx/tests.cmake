target_sources(pvx_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BmpTestFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BmpDecoderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BmpSuiteTest.cpp
)
