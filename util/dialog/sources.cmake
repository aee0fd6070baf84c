target_sources(Ostrel7 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsDialogColor.cpp ${CMAKE_CURRENT_LIST_DIR}/clsDialogColor.h
  ${CMAKE_CURRENT_LIST_DIR}/clsDialogOpenSave.cpp ${CMAKE_CURRENT_LIST_DIR}/clsDialogOpenSave.h
  ${CMAKE_CURRENT_LIST_DIR}/mDialog.cpp ${CMAKE_CURRENT_LIST_DIR}/mDialog.h
)
