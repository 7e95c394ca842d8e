# The folder tree, the data-folder rule, the folder listing, the one safe write and the kind of a file.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DataFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataTree.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileKind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderListing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameWalk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SafeWrite.cpp
)
