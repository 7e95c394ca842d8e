# yardmark-jetread: reads one table of a Jet file in a process of its own (libmdb only).
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBMDB REQUIRED IMPORTED_TARGET libmdb)
add_executable(yardmark-jetread ${CMAKE_CURRENT_LIST_DIR}/jetread_main.cpp)
target_link_libraries(yardmark-jetread PRIVATE PkgConfig::LIBMDB)

include(GNUInstallDirs)
install(TARGETS yardmark-jetread RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/yardmark)
