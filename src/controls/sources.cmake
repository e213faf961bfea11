# Sources of src/controls (see src/CMakeLists.txt for the targets).
# Portable: the glyph button's layout and frame geometry, its glyph images,
# the bevel label's metrics, the skinned push button's layout; the file name
# edit's glyph geometry and path rules; the shadowed label's effect.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PvxBevelMetrics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxButtonFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxButtonLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PvxGlyphImages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sBitBtnLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sEditGlyphLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sFileNameRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sLabelEffect.cpp
)
# Windows: the glyph push button, the bevel label and the theme services; the
# skinned push button and its fade timers; the file name edit with its button
# and default glyphs; the skinned labels.
if(WIN32)
  target_sources(pvx_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/PvxBaseControls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxBevel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxButtonSkin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxCaption.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxGlyph.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxGlyphCache.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxResourcePicture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PvxThemeServices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sBitBtn.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sCustomComboEdit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sDefaultGlyphs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sFade.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sMaskEdit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sSpeedButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sTooledit.cpp
  )
endif()
