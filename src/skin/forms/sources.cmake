# Form skinning: the form skinning component with its frame, caption buttons
# and system menu, the fade of a form into view, and the providers the
# activation hook gives forms without one.
target_sources(pvx_skin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CaptionInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormAnimation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FramePainting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RunTimeProviders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sSkinProvider.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sSkinProviderCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sSkinProviderInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sSkinProviderMessages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sSkinProviderPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sSystemMenu.cpp
)
