#pragma once
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/color_choice.h"

namespace qm::cli {

// A mistake on the command line. The tool prints the message and the usage
// text and exits with status 2 before any file is touched.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The value of an operation's option: items separated by commas, first the
// positional ones ("90", "wood3", "100,80,lanczos3"), then key=value items
// ("thickness=20") and bare flags ("inside"). Each getter marks the item it
// reads as used; finish() then rejects anything left over, so a mistyped key
// is reported rather than ignored. Every error names the option and the
// offending item.
//
// Bare items are both positionals and flags: ask for the flags first, and the
// positional indices then count the bare items that are left.
class OptionValue {
public:
    // `option` is the name as typed ("--frame"), used in messages.
    OptionValue(std::string option, std::string_view text);

    const std::string& option() const { return option_; }

    // Number of bare items not taken as flags.
    int positionalCount() const;
    // The positional item at `index`; `what` names it in the message when
    // it is missing ("--crop: missing H").
    std::string positional(int index, std::string_view what);
    std::optional<std::string> optionalPositional(int index);
    int positionalInt(int index, std::string_view what);

    // True when the bare item `name` appears (it is then no positional).
    bool flag(std::string_view name);

    // key=value items.
    bool has(std::string_view key) const;
    std::optional<std::string> text(std::string_view key);
    int integer(std::string_view key, int fallback, int minimum, int maximum);
    // "#RRGGBB" or "auto".
    ColorChoice colour(std::string_view key, ColorChoice fallback);

    // One of the named values, for a key=value item or a positional item.
    template <typename T>
    T choice(std::string_view key, std::initializer_list<std::pair<const char*, T>> names, T fallback) {
        const auto value = text(key);
        return value ? lookup(*value, names) : fallback;
    }
    template <typename T>
    T lookup(std::string_view item, std::initializer_list<std::pair<const char*, T>> names) const {
        for (const auto& [name, value] : names)
            if (item == name) return value;
        std::vector<std::string> choices;
        for (const auto& entry : names) choices.emplace_back(entry.first);
        throw badChoice(item, choices);
    }

    // Throws for every item no getter asked for.
    void finish() const;

    // Parsing helpers shared with the getters, each throwing a UsageError
    // that names this option.
    int parseInt(std::string_view item, int minimum, int maximum) const;
    ColorChoice parseColour(std::string_view item) const;
    [[noreturn]] void fail(const std::string& message) const;

private:
    struct Item {
        std::string key;    // empty for a bare item
        std::string value;  // the text after '=', or the bare item itself
        bool used = false;
        bool isFlag = false;
    };
    Item* find(std::string_view key);
    const Item* find(std::string_view key) const;
    Item* bare(int index);
    UsageError badChoice(std::string_view item, const std::vector<std::string>& choices) const;

    std::string option_;
    std::vector<Item> items_;
};

}  // namespace qm::cli
