// A shared library loaded for the life of the object, with its functions found by name.
#ifndef VELARION_PLATFORM_SHAREDLIBRARY_H
#define VELARION_PLATFORM_SHAREDLIBRARY_H

#include <string>

namespace velplatform {

class TSharedLibrary {
 public:
  // Loads with every symbol bound at once, so that a library needing a host function
  // the program lacks fails here instead of later. Loaded() tells.
  explicit TSharedLibrary(const std::string& path);
  TSharedLibrary(const TSharedLibrary&) = delete;
  TSharedLibrary& operator=(const TSharedLibrary&) = delete;
  ~TSharedLibrary();

  bool Loaded() const { return handle_ != nullptr; }
  const std::string& Error() const { return error_; }
  // The address of an exported function, or null.
  void* Find(const char* name) const;

  // Stores the function `name` in `target`; false when the library lacks it.
  template <typename TFunction>
  bool Bind(const char* name, TFunction& target) const {
    target = reinterpret_cast<TFunction>(Find(name));
    return target != nullptr;
  }

 private:
  void* handle_ = nullptr;
  std::string error_;
};

}  // namespace velplatform

#endif
