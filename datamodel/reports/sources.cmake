target_sources(Telva27 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ReportFrame.cpp ${CMAKE_CURRENT_LIST_DIR}/ReportFrame.h
  ${CMAKE_CURRENT_LIST_DIR}/ParameterReport.cpp ${CMAKE_CURRENT_LIST_DIR}/ParameterReport.h
  ${CMAKE_CURRENT_LIST_DIR}/PitchReport.cpp ${CMAKE_CURRENT_LIST_DIR}/PitchReport.h
  ${CMAKE_CURRENT_LIST_DIR}/CustomizeReport.cpp ${CMAKE_CURRENT_LIST_DIR}/CustomizeReport.h
  ${CMAKE_CURRENT_LIST_DIR}/StepReport.cpp ${CMAKE_CURRENT_LIST_DIR}/StepReport.h
)

# The input state pictures the step report places in its sheets: data files in
# Pictures/ beside the suite's libraries, drawn like the step grid's marks.
set(TELVA27_STATE_PICTURES)
foreach(state 0 1 2 3)
  list(APPEND TELVA27_STATE_PICTURES ${QEL_BIN_DIR}/Pictures/Jyotai${state}.bmp)
endforeach()
add_custom_command(
  OUTPUT ${TELVA27_STATE_PICTURES}
  COMMAND qel_draw_pictures --states ${QEL_BIN_DIR}/Pictures
  DEPENDS qel_draw_pictures
  COMMENT "Drawing the state pictures of the step report"
  VERBATIM)
add_custom_target(telva27_pictures ALL DEPENDS ${TELVA27_STATE_PICTURES})
add_dependencies(Telva27 telva27_pictures)
