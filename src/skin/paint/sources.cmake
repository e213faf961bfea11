# Skin painters (portable): backgrounds, section fills, gradients and textures,
# border images, glyphs, whole items and the disabled look, on pixel views.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BorderGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BorderMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BorderMaskShaped.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CornerRefill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisabledLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlyphMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaskFrames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaskHoleRuns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaskedTexture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaintTarget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SectionBackground.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SectionFill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScrollBarPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SectionRef.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinBackground.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinGradient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinTexture.cpp
)
