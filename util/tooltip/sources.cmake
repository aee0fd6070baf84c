target_sources(Ostrel7 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsToolTip.cpp ${CMAKE_CURRENT_LIST_DIR}/clsToolTip.h
)
