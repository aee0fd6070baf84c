target_sources(Ostrel7 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsNewFont.cpp ${CMAKE_CURRENT_LIST_DIR}/clsNewFont.h
)
