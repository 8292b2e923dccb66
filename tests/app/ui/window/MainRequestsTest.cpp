#include "MainRequests.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velarion::ui {
namespace {

// Records what a request asked of the window, in order.
class TRecordingTarget final : public TRequestTarget {
 public:
  std::vector<std::string> calls;
  std::string existingGroup = "SUN";

  void SetViewTime(double mjd) override { calls.push_back("time " + std::to_string(mjd)); }
  void RepaintIfChanged() override { calls.push_back("repaint if changed"); }
  void ZoomAtCentre(int32_t zoom, bool keepScroll) override {
    calls.push_back("zoom " + std::to_string(zoom) + (keepScroll ? " keeping the scroll" : ""));
  }
  void ZoomAround(const TZoomRequest& r) override {
    calls.push_back("zoom " + std::to_string(r.zoom) + " at " + std::to_string(r.x) + "," +
                    std::to_string(r.y));
  }
  void ResetAutoRotationInterval() override { calls.push_back("interval"); }
  void DestroyDialog(int32_t id) override { calls.push_back("destroy " + std::to_string(id)); }
  bool RecalculateGroup(const std::string& code) override {
    calls.push_back("recalculate " + code);
    return code == existingGroup;
  }
  void MarkViewChanged() override { calls.push_back("changed"); }
  void Repaint() override { calls.push_back("repaint"); }
  void UpdateToolBar() override { calls.push_back("tool bar"); }
  void ToggleConsole() override { calls.push_back("console"); }
  void ResetConsoleShowRequest() override { calls.push_back("console request cleared"); }
  void ShowMessage(const std::string& text, bool repaint) override {
    calls.push_back("message " + text + (repaint ? " !" : ""));
  }
  void SetAutoRotation(bool on) override { calls.push_back(on ? "auto on" : "auto off"); }
  void SetTracking(bool on) override { calls.push_back(on ? "track on" : "track off"); }
  void UpdateInfoWindow(bool create, bool show, bool scrollToTop, bool focus) override {
    calls.push_back(std::string(create && show && scrollToTop && focus ? "open" : "refresh") +
                    " information");
  }
  void InfoWindowClosed() override { calls.push_back("information closed"); }
  bool SelectOnly(const TObjectReference& object) override {
    calls.push_back("select " + object.groupCode + " " + std::to_string(object.number));
    return object.groupCode == existingGroup;
  }
  void OpenObjectPaths(const TPathsRequest& r) override {
    calls.push_back("paths " + (r.forSelection ? std::string("selection") : r.object.groupCode));
  }
  void OpenEphemerides(const TEphemerisRequest& r) override {
    calls.push_back("ephemerides " + std::to_string(r.kind) + " " + r.object.groupCode);
  }
};

std::vector<std::string> Handled(const TMainRequest& request) {
  TRecordingTarget target;
  HandleRequest(request, target);
  return target.calls;
}

using TCalls = std::vector<std::string>;

TEST(MainRequests, NumbersFollowTheUserMessageOrder) {
  EXPECT_EQ(RequestNumber(TDialogClosedRequest{}), 0);
  EXPECT_EQ(RequestNumber(TRefreshRequest{}), 1);
  EXPECT_EQ(RequestNumber(TZoomRequest{}), 3);
  EXPECT_EQ(RequestNumber(TConsoleToggleRequest{}), 5);
  EXPECT_EQ(RequestNumber(TMessageRequest{}), 6);
  EXPECT_EQ(RequestNumber(TTrackingRequest{}), 11);
}

TEST(MainRequests, DialogClosedCommands) {
  struct TCase {
    TDialogClosedRequest request;
    TCalls calls;
  };
  const TCase cases[] = {
      {{0, true, 7, 0.0, 0}, {"destroy 7"}},
      {{1, true, 7, 60000.5, 0}, {"time 60000.500000", "destroy 7"}},
      {{1, false, 7, 60000.5, 0}, {"destroy 7"}},
      {{2, false, 3, 0.0, 0}, {"repaint if changed", "destroy 3"}},
      {{3, true, 4, 0.0, 1500}, {"zoom 1500", "destroy 4"}},
      {{3, true, 4, 0.0, 100, true}, {"zoom 100 keeping the scroll", "destroy 4"}},
      {{3, false, 4, 0.0, 1500}, {"destroy 4"}},
      {{4, false, 5, 0.0, 0}, {"information closed", "destroy 5"}},
      {{5, true, 6, 0.0, 0}, {"interval", "destroy 6"}},
      {{5, false, 6, 0.0, 0}, {"destroy 6"}},
  };
  for (const TCase& c : cases) EXPECT_EQ(Handled(c.request), c.calls) << c.request.command;
}

TEST(MainRequests, RefreshRecalculatesTheNamedGroupOrTheWholeView) {
  EXPECT_EQ(Handled(TRefreshRequest{true, "SUN"}),
            (TCalls{"recalculate SUN", "repaint", "refresh information"}));
  EXPECT_EQ(Handled(TRefreshRequest{true, ""}),
            (TCalls{"changed", "repaint", "refresh information"}));
  // A code naming no group recalculates nothing, and still repaints.
  EXPECT_EQ(Handled(TRefreshRequest{true, "NOPE"}),
            (TCalls{"recalculate NOPE", "repaint", "refresh information"}));
  EXPECT_EQ(Handled(TRefreshRequest{false, "SUN"}), (TCalls{"repaint", "refresh information"}));
}

TEST(MainRequests, OtherRequests) {
  EXPECT_EQ(Handled(TShowSelectionRequest{true}), (TCalls{"repaint", "open information"}));
  EXPECT_EQ(Handled(TShowSelectionRequest{false}), (TCalls{"open information"}));
  // An object chosen in a menu is looked up again: gone, nothing happens.
  EXPECT_EQ(Handled(TShowSelectionRequest{true, TObjectReference{"SUN", 1}}),
            (TCalls{"select SUN 1", "repaint", "open information"}));
  EXPECT_EQ(Handled(TShowSelectionRequest{true, TObjectReference{"GONE", 1}}),
            (TCalls{"select GONE 1"}));
  EXPECT_EQ(Handled(TZoomRequest{250, false, true, 40, 30}), (TCalls{"zoom 250 at 30,40"}));
  EXPECT_EQ(Handled(TToolBarRequest{}), (TCalls{"tool bar"}));
  EXPECT_EQ(Handled(TConsoleToggleRequest{}), (TCalls{"console", "console request cleared"}));
  EXPECT_EQ(Handled(TMessageRequest{true, "hello"}), (TCalls{"message hello !"}));
  EXPECT_EQ(Handled(TAutoRotationOnRequest{}), (TCalls{"auto on"}));
  EXPECT_EQ(Handled(TRepaintRequest{}), (TCalls{"repaint", "refresh information"}));
  EXPECT_EQ(Handled(TTrackingRequest{false}), (TCalls{"track off"}));
  EXPECT_EQ(Handled(TPathsRequest{true, {}}), (TCalls{"paths selection"}));
  EXPECT_EQ(Handled(TPathsRequest{false, {"PLAN", 4}}), (TCalls{"paths PLAN"}));
  EXPECT_EQ(Handled(TEphemerisRequest{1, {"MOON", 1}}), (TCalls{"ephemerides 1 MOON"}));
}

TEST(MainRequests, RequestsCarryCopiesNotReferences) {
  TRequestQueue queue;
  {
    auto code = std::make_unique<std::string>("ORBIT");
    queue.Post(TRefreshRequest{true, *code});
    TObjectReference object{*code, 12};
    queue.Post(TPathsRequest{false, object});
  }  // what the requests named is gone
  const std::vector<TMainRequest> taken = queue.TakeAll();
  ASSERT_EQ(taken.size(), 2u);
  EXPECT_EQ(std::get<TRefreshRequest>(taken[0]).groupCode, "ORBIT");
  EXPECT_EQ(std::get<TPathsRequest>(taken[1]).object.groupCode, "ORBIT");
  EXPECT_EQ(std::get<TPathsRequest>(taken[1]).object.number, 12);
  EXPECT_TRUE(queue.Empty());
}

TEST(MainRequests, QueueWakesTheWindowOncePerBatch) {
  int wakes = 0;
  TRequestQueue queue([&wakes] { ++wakes; });
  queue.Post(TRepaintRequest{});
  queue.Post(TToolBarRequest{});
  EXPECT_EQ(wakes, 1);
  EXPECT_EQ(queue.TakeAll().size(), 2u);
  queue.Post(TRepaintRequest{});
  EXPECT_EQ(wakes, 2);
}

TEST(MainRequests, ADialogPostsItsClosingRequestOnce) {
  TRequestQueue queue;
  TDialogClosing closing;
  EXPECT_TRUE(closing.Post(queue, {1, true, 9, 60000.0, 0}));  // its button
  EXPECT_FALSE(closing.Post(queue, {0, false, 9, 0.0, 0}));    // then its window closing
  const std::vector<TMainRequest> taken = queue.TakeAll();
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(std::get<TDialogClosedRequest>(taken[0]).command, 1);
}

}  // namespace
}  // namespace velarion::ui
