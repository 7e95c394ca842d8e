# Converting the files the earlier version kept (Jet) into this version's databases.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Converter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OldFiles.cpp
)
