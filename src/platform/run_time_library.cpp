#include "platform/run_time_library.h"

#include <dlfcn.h>

namespace vexo {

void* OpenRunTimeLibrary(std::initializer_list<const char*> fileNames) {
  for (const char* name : fileNames) {
    if (void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL)) return library;
  }
  return nullptr;
}

void CloseRunTimeLibrary(void* library) {
  if (library != nullptr) dlclose(library);
}

void* LookUpSymbol(void* library, const char* name) {
  return dlsym(library, name);
}

}  // namespace vexo
