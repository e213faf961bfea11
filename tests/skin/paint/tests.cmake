# Painting: pixel primitives and skin painting, natively under the sanitizers
# and under Wine; the platform's text and device-context routines under Wine.
target_sources(pvx_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CornerRefillTest.cpp
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
  ${CMAKE_CURRENT_LIST_DIR}/ScrollBarPaintTest.cpp
)
target_sources(pvx_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SkinParts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReferenceBmp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReferenceImageTest.cpp
)
target_compile_definitions(pvx_core_tests PRIVATE
  PVX_PAINTING_REFERENCE_DIR="${CMAKE_CURRENT_LIST_DIR}/reference")

if(NOT WIN32)
  # Writes the reference pictures (see README.md) and a sheet of skin parts.
  add_executable(pvx_painting_references
    ${CMAKE_CURRENT_LIST_DIR}/WriteReferences.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinParts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReferenceBmp.cpp)
  target_include_directories(pvx_painting_references PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(pvx_painting_references PRIVATE pvx_core)
  pvx_strict(pvx_painting_references)

  add_executable(pvx_skin_sheet
    ${CMAKE_CURRENT_LIST_DIR}/SkinSheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinParts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReferenceBmp.cpp)
  target_include_directories(pvx_skin_sheet PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(pvx_skin_sheet PRIVATE pvx_core)
  pvx_strict(pvx_skin_sheet)
endif()
