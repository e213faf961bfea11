# Painting: pixel primitives and skin painting, natively under the sanitizers
# and under Wine; the platform's text and device-context routines under Wine.
target_sources(pvx_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PaintTestImages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FillAndTintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MergeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CopyTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StretchTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GradientTest.cpp
)
target_sources(pvx_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PaintTestSkin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextureTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SectionBackgroundTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisabledLookTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BorderMaskTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlyphMaskTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinItemTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HoleRunsTest.cpp
)
