# Sources of src/controls (see src/CMakeLists.txt for the targets).
# Portable: the glyph button's layout and frame geometry, its glyph images,
# the bevel label's metrics, the skinned push button's layout.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PvxBevelMetrics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxButtonFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxButtonLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxGlyphImages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sBitBtnLayout.cpp
)
# Windows: the glyph push button, the bevel label and the theme services; the
# skinned push button and its fade timers.
if(WIN32)
  target_sources(pvx_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/PvxBaseControls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxBevel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxCaption.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxGlyph.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxGlyphCache.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxResourcePicture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxThemeServices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sBitBtn.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sFade.cpp
  )
endif()
