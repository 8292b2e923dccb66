// The objects a group found visible in its last calculation, as runs of consecutive
// numbers in the order they were reported, and the walk that hands them out for drawing.
#ifndef VELARION_APP_GROUPS_OBJECTRANGELIST_H
#define VELARION_APP_GROUPS_OBJECTRANGELIST_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velarion::groups {

struct TObjectRange {
  int32_t first;
  int32_t last;
  bool operator==(const TObjectRange&) const = default;
};

class TObjectRangeList {
 public:
  void Clear() { runs_.clear(); }
  // One visible object: extends the last run when it follows it, else starts a run.
  // Numbers below 1 are ignored.
  void AddNumber(int32_t number);
  // A whole run as a version 1.0 plug-in reports it, appended without merging.
  void AddRun(int32_t first, int32_t last);

  const std::vector<TObjectRange>& Runs() const { return runs_; }
  bool Empty() const { return runs_.empty(); }

 private:
  std::vector<TObjectRange> runs_;
};

// Hands out every number of every run in order, then -1.
class TObjectRangeWalk {
 public:
  explicit TObjectRangeWalk(const TObjectRangeList& list) : runs_(list.Runs()) {}
  int32_t Next();
  // The next whole run; false when none is left.
  bool NextRun(int32_t& first, int32_t& last);

 private:
  const std::vector<TObjectRange>& runs_;
  std::size_t run_ = 0;
  int64_t next_ = 0;  // next number inside the current run, once started
  bool started_ = false;
};

}  // namespace velarion::groups

#endif
