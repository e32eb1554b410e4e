#include "CDocumentation.h"

#include <windows.h>

namespace varnwick {

std::string CDocumentation::Folder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string CDocumentation::Readme() {
  const std::string folder = Folder();
  for (const char* name : {"README.md", "README.txt"}) {
    const std::string path = folder + name;
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return path;
  }
  return folder + "README.md";
}

}  // namespace varnwick
