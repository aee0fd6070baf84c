# clsFILE: file, folder, path and shell operations.
target_sources(Ostrel7 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsFILE.cpp ${CMAKE_CURRENT_LIST_DIR}/clsFILE.h
  ${CMAKE_CURRENT_LIST_DIR}/DesktopEntry.cpp ${CMAKE_CURRENT_LIST_DIR}/DesktopEntry.h
  ${CMAKE_CURRENT_LIST_DIR}/FileListing.cpp ${CMAKE_CURRENT_LIST_DIR}/FileListing.h
  ${CMAKE_CURRENT_LIST_DIR}/FileNames.cpp ${CMAKE_CURRENT_LIST_DIR}/FileNames.h
  ${CMAKE_CURRENT_LIST_DIR}/FileNumber.cpp ${CMAKE_CURRENT_LIST_DIR}/FileNumber.h
  ${CMAKE_CURRENT_LIST_DIR}/FileTimes.cpp ${CMAKE_CURRENT_LIST_DIR}/FileTimes.h
  ${CMAKE_CURRENT_LIST_DIR}/FileTypes.h
  ${CMAKE_CURRENT_LIST_DIR}/ShellFileOps.cpp ${CMAKE_CURRENT_LIST_DIR}/ShellFileOps.h
  ${CMAKE_CURRENT_LIST_DIR}/StandardFolders.cpp ${CMAKE_CURRENT_LIST_DIR}/StandardFolders.h
  ${CMAKE_CURRENT_LIST_DIR}/WholeFileLimit.h
)
