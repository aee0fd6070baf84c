# The customize pin model: pins, their Set04.e/Set05.e definitions and their
# fields in the setting table.
target_sources(Telva27 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsCusSelection.h
  ${CMAKE_CURRENT_LIST_DIR}/clsStyle.h
  ${CMAKE_CURRENT_LIST_DIR}/colclsCusSelection.cpp ${CMAKE_CURRENT_LIST_DIR}/colclsCusSelection.h
  ${CMAKE_CURRENT_LIST_DIR}/colclsStyle.h
  ${CMAKE_CURRENT_LIST_DIR}/clsCustom.cpp ${CMAKE_CURRENT_LIST_DIR}/clsCustom.h
  ${CMAKE_CURRENT_LIST_DIR}/colclsCustom.cpp ${CMAKE_CURRENT_LIST_DIR}/colclsCustom.h
  ${CMAKE_CURRENT_LIST_DIR}/CustomizeImage.cpp ${CMAKE_CURRENT_LIST_DIR}/CustomizeImage.h
  ${CMAKE_CURRENT_LIST_DIR}/CustomizeSetFiles.cpp ${CMAKE_CURRENT_LIST_DIR}/CustomizeSetFiles.h
  ${CMAKE_CURRENT_LIST_DIR}/CustomizeTableFile.cpp ${CMAKE_CURRENT_LIST_DIR}/CustomizeTableFile.h
)
