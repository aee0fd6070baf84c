# The step programs: the step table model, its file and note file, and the
# scrambling of author and password.
target_sources(Telva27 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/StepEnums.h
  ${CMAKE_CURRENT_LIST_DIR}/StepLine.h
  ${CMAKE_CURRENT_LIST_DIR}/clsStepIn.h
  ${CMAKE_CURRENT_LIST_DIR}/colclsStepIn.cpp ${CMAKE_CURRENT_LIST_DIR}/colclsStepIn.h
  ${CMAKE_CURRENT_LIST_DIR}/clsStepOut.cpp ${CMAKE_CURRENT_LIST_DIR}/clsStepOut.h
  ${CMAKE_CURRENT_LIST_DIR}/colclsStep.cpp ${CMAKE_CURRENT_LIST_DIR}/colclsStep.h
  ${CMAKE_CURRENT_LIST_DIR}/StepFileFormat.cpp ${CMAKE_CURRENT_LIST_DIR}/StepFileFormat.h
  ${CMAKE_CURRENT_LIST_DIR}/StepFileReader.cpp ${CMAKE_CURRENT_LIST_DIR}/StepFileReader.h
  ${CMAKE_CURRENT_LIST_DIR}/StepFileWriter.cpp ${CMAKE_CURRENT_LIST_DIR}/StepFileWriter.h
  ${CMAKE_CURRENT_LIST_DIR}/StepWordScramble.cpp ${CMAKE_CURRENT_LIST_DIR}/StepWordScramble.h
)
