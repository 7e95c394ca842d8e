# Core: converting the files kept by the earlier version (Jet databases) into ours.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/HelperProcess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Converter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OldFiles.cpp
)
