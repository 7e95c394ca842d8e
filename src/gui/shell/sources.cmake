target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MDIForm1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/App.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Artwork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Background.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormHost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilePick.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormKit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlobalVariables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Prompter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Twips.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form.h
  ${CMAKE_CURRENT_LIST_DIR}/FormHost.h
  ${CMAKE_CURRENT_LIST_DIR}/GlobalVariables.h
)
