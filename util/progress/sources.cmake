target_sources(Ostrel7 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsPrgsBar.cpp ${CMAKE_CURRENT_LIST_DIR}/clsPrgsBar.h
)
