// What a pure property piece hands the Windows edge instead of showing or ending anything
// itself: the box to show, or the text of the fatal path, already filled in (UTF-8).
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace Vantor {

struct Problem {
    enum class Kind {
        Fatal,  // log line, "Fatal error" box, end of the process
        ErrorBox,
        WarningBox,
    };
    Kind kind;
    std::string title;  // without the project suffix; empty for Fatal
    std::string text;

    static Problem Fatal(std::string text) { return {Kind::Fatal, {}, std::move(text)}; }
    static Problem Error(std::string title, std::string text)
    {
        return {Kind::ErrorBox, std::move(title), std::move(text)};
    }
    static Problem Warning(std::string title, std::string text)
    {
        return {Kind::WarningBox, std::move(title), std::move(text)};
    }
};

// A value, or the problem that replaced it. After a box the caller goes on with the
// operation's neutral answer (no record, "", 0.0, false); after Fatal it goes no further.
template <typename T> class Result {
public:
    Result(T value)
        : state_(std::move(value))
    {
    }
    Result(Problem problem)
        : state_(std::move(problem))
    {
    }

    bool ok() const { return state_.index() == 0; }
    const T& value() const& { return std::get<0>(state_); }
    const Problem& problem() const& { return std::get<1>(state_); }
    // From a temporary, by value: no reference outlives the result.
    T value() && { return std::get<0>(std::move(state_)); }
    Problem problem() && { return std::get<1>(std::move(state_)); }

private:
    std::variant<T, Problem> state_;
};

}  // namespace Vantor
