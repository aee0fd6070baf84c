# Helpers of clsMethod: 3D edges, bitmap headers, the keyboard state of got-focus handlers,
# the text access of text controls.
target_sources(Ostrel7 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BmpHeader.cpp ${CMAKE_CURRENT_LIST_DIR}/BmpHeader.h
  ${CMAKE_CURRENT_LIST_DIR}/Edge3D.cpp ${CMAKE_CURRENT_LIST_DIR}/Edge3D.h
  ${CMAKE_CURRENT_LIST_DIR}/KeyState.cpp ${CMAKE_CURRENT_LIST_DIR}/KeyState.h
  ${CMAKE_CURRENT_LIST_DIR}/TextControl.cpp ${CMAKE_CURRENT_LIST_DIR}/TextControl.h
)
