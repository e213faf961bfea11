# The skin engine at run time: the engine message and its distribution, the
# shared engine state and hook, the skin manager, and the control binding.
target_sources(pvx_skin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CacheCopy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EngineState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinDistribution.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinHook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinPlaces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sCommonData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sSkinManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemColorMode.cpp
)
