target_sources(pvx_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SkinLocationTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinFileNamesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinTestPackages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinPackTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinIniTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinSectionsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinMasksTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinColorsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinModelTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InternalSkinTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinRobustnessTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinHostileSkinTest.cpp
)
# The committed internal skin package, read by the tests.
target_compile_definitions(pvx_core_tests PRIVATE
  PVX_SKIN_PACKAGE="${CMAKE_SOURCE_DIR}/assets/skin/Opus.pvxskin")
target_link_libraries(pvx_core_tests PRIVATE ZLIB::ZLIB)

