# An install into a temporary DESTDIR: the expected files and nothing else, validated.
set(_installed
  bin/yardmark
  bin/yardmark-report
  bin/yardmark-convert
  bin/yardmark-check
  bin/yardmark-backup
  bin/yardmark-records
  bin/yardmark-export
  share/applications/example.yardmark.YardMark.desktop
  share/icons/hicolor/scalable/apps/example.yardmark.YardMark.svg
  share/metainfo/example.yardmark.YardMark.metainfo.xml
  share/yardmark/UserGuide.html)
if(TARGET yardmark-jetread)
  list(APPEND _installed ${CMAKE_INSTALL_LIBEXECDIR}/yardmark/yardmark-jetread)
endif()
add_test(NAME install COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_install.sh ${PROJECT_BINARY_DIR} ${_installed})
