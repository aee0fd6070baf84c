# Helpers of clsProperty (the class itself is listed in util/CMakeLists.txt) and the
# settings tables that the programs declare beside its RegDefaultKey.
target_sources(Ostrel7 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DesktopWindows.cpp ${CMAKE_CURRENT_LIST_DIR}/DesktopWindows.h
  ${CMAKE_CURRENT_LIST_DIR}/FileHeader.cpp ${CMAKE_CURRENT_LIST_DIR}/FileHeader.h
  ${CMAKE_CURRENT_LIST_DIR}/KeyboardNames.cpp ${CMAKE_CURRENT_LIST_DIR}/KeyboardNames.h
  ${CMAKE_CURRENT_LIST_DIR}/MonthlyCodes.cpp ${CMAKE_CURRENT_LIST_DIR}/MonthlyCodes.h
  ${CMAKE_CURRENT_LIST_DIR}/SettingsTable.cpp ${CMAKE_CURRENT_LIST_DIR}/SettingsTable.h
  ${CMAKE_CURRENT_LIST_DIR}/TickCount.cpp ${CMAKE_CURRENT_LIST_DIR}/TickCount.h
)
