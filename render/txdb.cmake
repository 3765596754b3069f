# The texture database joins the core (headless); its GL uploader is a small
# library of its own that the program with a GL context links.
target_sources(quorvel_core PRIVATE ${CMAKE_SOURCE_DIR}/render/txdb.cpp
                                    ${CMAKE_SOURCE_DIR}/render/txdb_module.cpp)
pkg_check_modules(EPOXY IMPORTED_TARGET epoxy)
if(EPOXY_FOUND)
  add_library(quorvel_txdb_gl STATIC ${CMAKE_SOURCE_DIR}/render/txdb_gl.cpp)
  target_link_libraries(quorvel_txdb_gl PUBLIC quorvel_core PkgConfig::EPOXY)
endif()
