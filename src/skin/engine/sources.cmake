# The skin engine at run time: the skin manager.
target_sources(pvx_skin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sSkinManager.cpp
)
