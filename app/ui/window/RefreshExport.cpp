#include "RefreshExport.h"

#include "MainRequests.h"

#include <atomic>
#include <cstring>

namespace velarion::ui {

namespace {

// The one main window's queue: plug-ins reach the window only through it.
std::atomic<TRequestQueue*> refreshQueue{nullptr};

constexpr std::size_t kMaxGroupCode = 5;

}  // namespace

void SetRefreshRequestQueue(TRequestQueue* queue) { refreshQueue = queue; }

}  // namespace velarion::ui

int32_t RefreshSkyImage(uint8_t recalculate, const char* groupCode) {
  velarion::ui::TRequestQueue* queue = velarion::ui::refreshQueue;
  if (queue == nullptr) return 0;
  velarion::ui::TRefreshRequest request;
  request.recalculate = recalculate != 0;
  if (groupCode != nullptr) {
    request.groupCode.assign(groupCode, ::strnlen(groupCode, velarion::ui::kMaxGroupCode + 1));
  }
  queue->Post(std::move(request));
  return 1;
}
