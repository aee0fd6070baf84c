# The parameters: groups, parameters and choices, the Set files they are read
# from, and the values of a setting table with its header.
target_sources(Telva27 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ParameterImage.cpp ${CMAKE_CURRENT_LIST_DIR}/ParameterImage.h
  ${CMAKE_CURRENT_LIST_DIR}/ParameterSetFiles.cpp ${CMAKE_CURRENT_LIST_DIR}/ParameterSetFiles.h
  ${CMAKE_CURRENT_LIST_DIR}/ParameterStage.cpp ${CMAKE_CURRENT_LIST_DIR}/ParameterStage.h
  ${CMAKE_CURRENT_LIST_DIR}/ParameterTableFile.cpp ${CMAKE_CURRENT_LIST_DIR}/ParameterTableFile.h
  ${CMAKE_CURRENT_LIST_DIR}/clsDigital.cpp ${CMAKE_CURRENT_LIST_DIR}/clsDigital.h
  ${CMAKE_CURRENT_LIST_DIR}/clsFunction.cpp ${CMAKE_CURRENT_LIST_DIR}/clsFunction.h
  ${CMAKE_CURRENT_LIST_DIR}/clsSelection.h
  ${CMAKE_CURRENT_LIST_DIR}/colclsDigital.cpp ${CMAKE_CURRENT_LIST_DIR}/colclsDigital.h
  ${CMAKE_CURRENT_LIST_DIR}/colclsFunction.cpp ${CMAKE_CURRENT_LIST_DIR}/colclsFunction.h
  ${CMAKE_CURRENT_LIST_DIR}/colclsSelection.cpp ${CMAKE_CURRENT_LIST_DIR}/colclsSelection.h
)
