# The scroll-bar layer of the window adapters: skinned bars in place of the
# system's, with the mouse tracking the whole process shares.
target_sources(pvx_skin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/acBaseWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acScrollBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acScrollTracking.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acScrollWnd.cpp
)
