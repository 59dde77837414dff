#pragma once

#include "base/error_kind.h"

#include <QString>

#include <optional>
#include <utility>

namespace kx {

// What a core function hands back: its value, or an error with a message in the editor's
// words. The caller (a window, an operation, the command line) decides what the user sees.
struct Error {
    QString message;
    // Lets a caller tell kinds of failure apart where it must.
    ErrorKind kind = ErrorKind::None;
};

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Error error) : m_error(std::move(error)) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    // Only when ok(); asking a failed result for its value ends the program rather than hand
    // out garbage.
    const T& value() const& { return m_value.value(); }
    T& value() & { return m_value.value(); }
    T&& value() && { return std::move(m_value.value()); }
    const T& operator*() const& { return m_value.value(); }
    T& operator*() & { return m_value.value(); }
    const T* operator->() const { return &m_value.value(); }
    T* operator->() { return &m_value.value(); }

    // Empty when ok().
    const QString& error() const { return m_error.message; }
    ErrorKind error_kind() const { return m_error.kind; }
    const Error& failure() const { return m_error; }

private:
    std::optional<T> m_value;
    Error m_error;
};

// A result with no value: done, or an error.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_failed(true), m_error(std::move(error)) {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_error.message; }
    ErrorKind error_kind() const { return m_error.kind; }
    const Error& failure() const { return m_error; }

private:
    bool m_failed = false;
    Error m_error;
};

using Status = Result<void>;

} // namespace kx
