# Sources of src/skin (see src/CMakeLists.txt for the targets).
# Portable: the skin package, Options.dat, the skin model and its colours.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/acSkinPack.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinIni.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinMasks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinSections.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinStream.cpp
)

if(WIN32)
  # The JPEG decoder the Windows program lends the skin loader.
  target_sources(pvx_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/WicJpegDecoder.cpp)
  target_link_libraries(pvx_ui PUBLIC windowscodecs ole32 uuid)
endif()

# Skin painting: backgrounds, section fills, gradients and textures, border
# images, glyphs, whole items and the disabled look (portable), and the text,
# device-context and window-border routines of the platform layer.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BorderGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BorderMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BorderMaskShaped.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisabledLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlyphMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaskFrames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaskHoleRuns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaskedTexture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SectionBackground.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SectionFill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinBackground.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinGradient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinTexture.cpp
)
if(WIN32)
  target_sources(pvx_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/HoleRegion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinItemToDC.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemColorTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowBorder.cpp
  )
endif()

# The skin manager (the component that owns the active skin).
if(WIN32)
  target_sources(pvx_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/sSkinManager.cpp)
endif()
