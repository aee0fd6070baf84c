target_sources(Ostrel7 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsString.cpp ${CMAKE_CURRENT_LIST_DIR}/clsString.h
)
