# A skinned form's frame (portable): its derived geometry, its caption
# buttons' places and hit codes, the fade of a form into view.
target_sources(pvx_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CaptionButtons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FadeIn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScreenSnap.cpp
)
