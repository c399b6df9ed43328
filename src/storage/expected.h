#pragma once
// Result-or-error type. std::expected where the library has it (g++ 12 with C++23); a small stand-in
// otherwise (clang 14 with libstdc++ 12 hides std::expected, and the fuzz build uses clang).
#include <version>
#if defined(__cpp_lib_expected)
#include <expected>
template <class T, class E> using Expected = std::expected<T, E>;
template <class E> auto Unexpected(E error) {
    return std::unexpected<E>(std::move(error));
}
#else
#include <utility>
#include <variant>

template <class E> struct UnexpectedValue { E error; };
template <class E> UnexpectedValue<E> Unexpected(E error) {
    return UnexpectedValue<E>{std::move(error)};
}

template <class T, class E> class Expected {
  public:
    Expected() requires std::is_void_v<T> : m_value(std::in_place_index<0>) {}
    template <class U = T>
    requires(!std::is_void_v<T> && std::is_convertible_v<U, T>) Expected(U&& value)
        : m_value(std::in_place_index<0>, std::forward<U>(value)) {}
    template <class G>
    Expected(UnexpectedValue<G> error) : m_value(std::in_place_index<1>, std::move(error.error)) {}

    bool has_value() const { return m_value.index() == 0; }
    explicit operator bool() const { return has_value(); }
    decltype(auto) value() const {
        if constexpr (!std::is_void_v<T>) return std::get<0>(m_value);
    }
    decltype(auto) value() {
        if constexpr (!std::is_void_v<T>) return std::get<0>(m_value);
    }
    const auto& operator*() const { return std::get<0>(m_value); }
    auto& operator*() { return std::get<0>(m_value); }
    const auto* operator->() const { return &std::get<0>(m_value); }
    const E& error() const { return std::get<1>(m_value); }
    template <class U> T value_or(U&& fallback) const {
        return has_value() ? std::get<0>(m_value) : T(std::forward<U>(fallback));
    }

  private:
    struct Empty {};
    using Stored = std::conditional_t<std::is_void_v<T>, Empty, T>;
    std::variant<Stored, E> m_value;
};
#endif
