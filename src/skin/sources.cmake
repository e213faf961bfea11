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
