# Jet files of other programs and of the earlier version, read through the helper process.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/HelperProcess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetFile.cpp
)
