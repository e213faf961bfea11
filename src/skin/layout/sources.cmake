# Skin layout (portable): the geometry of skinned parts, computed once for hit
# testing, dragging and painting alike.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MulDiv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScrollBarGeometry.cpp
)
