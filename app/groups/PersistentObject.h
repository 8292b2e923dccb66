// The object bases of the group framework: TStreamable, any object the container holds,
// known by its class name (the name the class registry streams it under); and
// TPersistentObject, an object that declares stored properties to a filer, which reads or
// writes each of them through the procedures given.
#ifndef VELARION_APP_GROUPS_PERSISTENTOBJECT_H
#define VELARION_APP_GROUPS_PERSISTENTOBJECT_H

#include <functional>
#include <string_view>

namespace velarion::groups {

class TBinaryStream;

class TStreamable {
 public:
  virtual ~TStreamable() = default;
  // A name that lives as long as the program (a literal).
  virtual std::string_view ClassName() const = 0;
};

class TPropertyFiler {
 public:
  using TStreamProc = std::function<void(TBinaryStream&)>;

  virtual ~TPropertyFiler() = default;
  // `hasData` false: the property is at its default and need not be stored.
  virtual void DefineBinaryProperty(std::string_view name, TStreamProc read, TStreamProc write,
                                    bool hasData) = 0;
};

class TPersistentObject : public TStreamable {
 public:
  // An object without stored properties declares none.
  virtual void DefineProperties(TPropertyFiler& /*filer*/) {}
};

}  // namespace velarion::groups

#endif
