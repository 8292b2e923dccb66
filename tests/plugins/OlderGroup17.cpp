// A test plug-in on the older group base, which has no common object record.
#include "ObjectGroup.h"

namespace {

class TOlderGroup : public velarion::kit::TObjectGroup17 {
 public:
  void Init() override {
    Code = "OLD17";
    ObjectCount = 2;
  }
};

}  // namespace

namespace velarion::kit {
TGroupPtr CreatePluginGroup() { return MakeGroup<TOlderGroup>(); }
}  // namespace velarion::kit
