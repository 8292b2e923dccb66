// TOverloaded: one visitor of a std::variant made of a lambda per alternative.
#ifndef VELARION_APP_UI_WINDOW_OVERLOADED_H
#define VELARION_APP_UI_WINDOW_OVERLOADED_H

namespace velarion::ui {

template <typename... T>
struct TOverloaded : T... {
  using T::operator()...;
};
template <typename... T>
TOverloaded(T...) -> TOverloaded<T...>;

}  // namespace velarion::ui

#endif
