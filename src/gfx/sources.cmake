# Sources of src/gfx (see src/CMakeLists.txt for the targets).
# Geometry.h and PixelView.h are header-only.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BmpDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BmpEncoder.cpp
)

# Painting primitives: blends, fills, tints, greys, merges, keyed, faded and
# masked copies, area-averaging stretch, tiles and gradients.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Blit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColorBlend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Contrast.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FadeCopy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Gradient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Gray.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyedCopy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaskedCopy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Merge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RectFill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Stretch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Tint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TriangleGradient.cpp
)
