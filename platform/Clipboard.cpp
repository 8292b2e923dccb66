#include "Clipboard.h"

#include <utility>

namespace velplatform {

namespace {

TClipboardRunner& Runner() {
  static TClipboardRunner runner;
  return runner;
}

}  // namespace

void CopyToClipboard(std::string_view text) {
  if (const TClipboardRunner& runner = Runner()) runner(text);
}

void SetClipboardRunner(TClipboardRunner runner) { Runner() = std::move(runner); }

}  // namespace velplatform
