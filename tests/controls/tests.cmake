# Portable tests of the glyph button's and the bevel label's arithmetic.
target_sources(pvx_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sBitBtnLayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxButtonLayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxButtonFrameTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxGlyphImagesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxBevelMetricsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sEditRulesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sLabelEffectTest.cpp
)
if(WIN32)
  pvx_win_test_group(controls ui
    ${CMAKE_CURRENT_LIST_DIR}/PvxControlTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxButtonPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxButtonInputTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxGlyphCacheTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxLabelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxMainWindowControlsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinnedTestForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sBitBtnTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sFilenameEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sLabelTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/engine/SkinTestFiles.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/skin/model/SkinTestPackages.cpp
  )
endif()
if(NOT WIN32)
  # The committed glyph pictures are what their generator draws.
  target_sources(pvx_core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/assets/ButtonGlyphsTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/assets/EditGlyphsTest.cpp)
  target_link_libraries(pvx_core_tests PRIVATE pvx_glyph_art pvx_edit_glyph_art)
endif()
