# Skin layout: scroll-bar geometry and the platform's MulDiv, natively under the
# sanitizers (the Windows build runs them under Wine too).
target_sources(pvx_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MulDivTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScrollBarGeometryTest.cpp
)
