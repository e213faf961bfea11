# Dialog windows of the system skinned from outside: the dialog's own
# adapter (frame, caption, caption buttons, system menu, background) and the
# adapters of its child windows.
target_sources(pvx_skin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DialogText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShellHostWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acBtnWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acComboBoxWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acDialogChildren.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acDialogInsideColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acDialogWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acDialogWndInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acDialogWndPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acDlgPanelWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acGroupBoxWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acInsideWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acLinkWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acOwnPaintWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acSpinWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acStaticWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acTabControlWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acTransPanelWnd.cpp
)
