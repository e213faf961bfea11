# The skin model (portable): the skin package, Options.dat, sections, masks,
# colours, patterns and the loaded skin.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/acSkinPack.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlKinds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinFileNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinFileReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinIni.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinLocation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinMasks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinSections.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinStream.cpp
)
