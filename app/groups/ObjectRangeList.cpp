#include "ObjectRangeList.h"

namespace velarion::groups {

void TObjectRangeList::AddNumber(int32_t number) {
  if (number < 1) return;
  if (!runs_.empty() && int64_t{number} == int64_t{runs_.back().last} + 1) {
    runs_.back().last = number;
  } else {
    runs_.push_back({number, number});
  }
}

void TObjectRangeList::AddRun(int32_t first, int32_t last) { runs_.push_back({first, last}); }

int32_t TObjectRangeWalk::Next() {
  while (run_ < runs_.size()) {
    const TObjectRange& run = runs_[run_];
    if (!started_) {
      next_ = run.first;
      started_ = true;
    }
    if (next_ <= run.last) return static_cast<int32_t>(next_++);
    ++run_;
    started_ = false;
  }
  return -1;
}

bool TObjectRangeWalk::NextRun(int32_t& first, int32_t& last) {
  if (run_ >= runs_.size()) return false;
  first = runs_[run_].first;
  last = runs_[run_].last;
  ++run_;
  started_ = false;
  return true;
}

}  // namespace velarion::groups
