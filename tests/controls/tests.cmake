# Portable tests of the glyph button's and the bevel label's arithmetic.
target_sources(pvx_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PvxButtonLayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxButtonFrameTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxGlyphImagesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxBevelMetricsTest.cpp
)
if(WIN32)
  target_sources(pvx_win_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/PvxControlTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxButtonPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxButtonInputTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxLabelTest.cpp
  )
endif()
