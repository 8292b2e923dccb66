#include "ZStrings.h"

#include <algorithm>

namespace velarion::kit {

void TZStrings::Clear() {
  text_.clear();
  count_ = 0;
}

void TZStrings::AddText(std::string_view text) {
  text_.append(text);
  count_ += static_cast<int32_t>(std::count(text.begin(), text.end(), '\0'));
}

void TZStrings::Add(std::string_view text) {
  AddText(text);
  text_.push_back('\0');
  ++count_;
}

std::vector<std::string> TZStrings::Entries() const {
  std::vector<std::string> entries;
  std::size_t start = 0;
  for (int32_t i = 0; i < count_ && start <= text_.size(); ++i) {
    const std::size_t end = std::min(text_.find('\0', start), text_.size());
    entries.emplace_back(text_.substr(start, end - start));
    start = end + 1;
  }
  return entries;
}

std::string CutAfterEntries(std::string_view text, int32_t count) {
  std::size_t end = 0;
  for (int32_t i = 0; i < count; ++i) {
    const std::size_t zero = text.find('\0', end);
    if (zero == std::string_view::npos) return std::string(text);  // fewer entries than said
    end = zero + 1;
  }
  return std::string(text.substr(0, end));
}

}  // namespace velarion::kit
