# The feed-pitch tables (X and Y axis) of a setting table.
target_sources(Telva27 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsOkuri.cpp ${CMAKE_CURRENT_LIST_DIR}/clsOkuri.h
  ${CMAKE_CURRENT_LIST_DIR}/colclsOkuri.cpp ${CMAKE_CURRENT_LIST_DIR}/colclsOkuri.h
  ${CMAKE_CURRENT_LIST_DIR}/OkuriBlock.cpp ${CMAKE_CURRENT_LIST_DIR}/OkuriBlock.h
)
