# The folder tree, the data-folder rule and the folder listing.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DataFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataTree.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderListing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameWalk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SafeWrite.cpp
)
