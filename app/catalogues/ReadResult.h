// The outcome of reading a catalogue file: the file's contents, or the reason it could not
// be read. Readers answer with it instead of throwing, so that a group can show its own
// message and stay out of the group list.
#ifndef VELARION_APP_CATALOGUES_READRESULT_H
#define VELARION_APP_CATALOGUES_READRESULT_H

#include <string>
#include <utility>
#include <variant>

namespace velarion::catalogues {

struct TReadError {
  std::string message;
};

template <class T>
class TReadResult {
 public:
  TReadResult(T value) : content_(std::move(value)) {}
  TReadResult(TReadError error) : content_(std::move(error)) {}

  [[nodiscard]] bool Ok() const { return std::holds_alternative<T>(content_); }
  explicit operator bool() const { return Ok(); }

  // Only when Ok().
  [[nodiscard]] const T& Value() const& { return std::get<T>(content_); }
  T&& Value() && { return std::get<T>(std::move(content_)); }

  // Only when not Ok().
  [[nodiscard]] const std::string& Error() const { return std::get<TReadError>(content_).message; }

 private:
  std::variant<T, TReadError> content_;
};

}  // namespace velarion::catalogues

#endif
