#include "SharedLibrary.h"

#include <dlfcn.h>

namespace velplatform {

TSharedLibrary::TSharedLibrary(const std::string& path) {
  handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* message = ::dlerror();
    error_ = message != nullptr ? message : "cannot load " + path;
  }
}

TSharedLibrary::~TSharedLibrary() {
  if (handle_ != nullptr) ::dlclose(handle_);
}

void* TSharedLibrary::Find(const char* name) const {
  return handle_ != nullptr ? ::dlsym(handle_, name) : nullptr;
}

}  // namespace velplatform
