# CLI11 and nlohmann/json are header-only. The cross build uses the host's copies, but cannot put
# the host's /usr/include on its include path (its C library headers would shadow mingw's), so
# each library's header folder is linked into a folder of the build tree, and a small package
# file there answers find_package() for it.
function(varnwick_header_only_package package target folder)
  set(root ${CMAKE_BINARY_DIR}/header-only/${package})
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: run scripts/deps")
  endif()
  file(MAKE_DIRECTORY ${root}/include)
  file(CREATE_LINK /usr/include/${folder} ${root}/include/${folder} SYMBOLIC)
  file(WRITE ${root}/${package}Config.cmake
    "if(NOT TARGET ${target})\n"
    "  add_library(${target} INTERFACE IMPORTED)\n"
    "  target_include_directories(${target} SYSTEM INTERFACE \"${root}/include\")\n"
    "endif()\n")
  set(${package}_DIR ${root} CACHE PATH "" FORCE)
endfunction()

varnwick_header_only_package(CLI11 CLI11::CLI11 CLI)
varnwick_header_only_package(nlohmann_json nlohmann_json::nlohmann_json nlohmann)
