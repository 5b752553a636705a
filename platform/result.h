#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <variant>

namespace kivra {

// Why an operation failed.
struct Failure {
    QString message;  // what the user is shown: the file, what went wrong and why
    QString reason;   // the system's own words; empty where the program itself refuses
};

// "Cannot … PATH: REASON": `what` (marked with QT_TRANSLATE_NOOP in `context`) translated, the
// path shown with native separators.
Failure PathFailure(const char* context, const char* what, const QString& path,
                    const QString& reason);

// A value, or the failure that kept it from being made.
template <typename T>
class Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Failure failure) : state_(std::move(failure)) {}

    explicit operator bool() const { return state_.index() == 0; }
    T& operator*() { return std::get<0>(state_); }
    const T& operator*() const { return std::get<0>(state_); }
    T* operator->() { return &std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    const Failure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};

// Done, or the failure.
template <>
class Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)) {}

    explicit operator bool() const { return !failure_; }
    const Failure& failure() const { return *failure_; }

private:
    std::optional<Failure> failure_;
};

}  // namespace kivra
