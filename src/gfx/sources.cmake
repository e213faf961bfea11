# Sources of src/gfx (see src/CMakeLists.txt for the targets).
# Geometry.h and PixelView.h are header-only.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BmpDecoder.cpp
)
