# The season: the chosen games as read, their merge, results, totals, leaders and game logs.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Merge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Records.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordsCareers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportSeason.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Season.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SeasonDetail.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Statistics.cpp
)
