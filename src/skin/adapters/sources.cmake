# Adapters of standard controls: the form's adapter that finds them, and the
# window adapters that skin them from outside (edits and memos, panels).
target_sources(pvx_skin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/acAdapterState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acCtrlAdapter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acEditWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acInsideColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acMainWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acPanelWnd.cpp
)
