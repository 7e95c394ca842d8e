# yardmark-jetread: reads one table of a Jet file in a process of its own (libmdb only).
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBMDB REQUIRED IMPORTED_TARGET libmdb)
add_executable(yardmark-jetread ${CMAKE_CURRENT_LIST_DIR}/jetread_main.cpp)
target_link_libraries(yardmark-jetread PRIVATE PkgConfig::LIBMDB)
set_target_properties(yardmark-jetread PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
# The helper is where libmdb is allowed to crash on a damaged file: it must die by the signal the
# program expects, also in a sanitizer build.
if(YARDMARK_ASAN)
  target_compile_options(yardmark-jetread PRIVATE -fno-sanitize=all)
  target_link_options(yardmark-jetread PRIVATE -fno-sanitize=all)
endif()

include(GNUInstallDirs)
install(TARGETS yardmark-jetread RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/yardmark)
