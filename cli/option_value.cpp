#include "cli/option_value.h"

#include <charconv>
#include <limits>

namespace qm::cli {
namespace {

std::string quoted(std::string_view item) {
    std::string text = "'";
    text.append(item);
    text += '\'';
    return text;
}

}  // namespace

OptionValue::OptionValue(std::string option, std::string_view text) : option_(std::move(option)) {
    if (text.empty()) fail("a value is needed");
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(start, comma == std::string_view::npos ? comma : comma - start);
        if (item.empty()) fail("empty item in '" + std::string(text) + "'");
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            items_.push_back({{}, std::string(item)});
        } else {
            if (equals == 0) fail("item '" + std::string(item) + "' has no name before '='");
            const std::string key(item.substr(0, equals));
            if (find(key)) fail("'" + key + "' is given twice");
            items_.push_back({key, std::string(item.substr(equals + 1))});
        }
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
}

void OptionValue::fail(const std::string& message) const { throw UsageError(option_ + ": " + message); }

OptionValue::Item* OptionValue::find(std::string_view key) {
    for (Item& item : items_)
        if (!item.key.empty() && item.key == key) return &item;
    return nullptr;
}

const OptionValue::Item* OptionValue::find(std::string_view key) const {
    return const_cast<OptionValue*>(this)->find(key);
}

OptionValue::Item* OptionValue::bare(int index) {
    for (Item& item : items_) {
        if (!item.key.empty() || item.isFlag) continue;
        if (index-- == 0) return &item;
    }
    return nullptr;
}

int OptionValue::positionalCount() const {
    int count = 0;
    for (const Item& item : items_) count += item.key.empty() && !item.isFlag;
    return count;
}

std::optional<std::string> OptionValue::optionalPositional(int index) {
    Item* item = bare(index);
    if (!item) return std::nullopt;
    item->used = true;
    return item->value;
}

std::string OptionValue::positional(int index, std::string_view what) {
    auto value = optionalPositional(index);
    if (!value) fail("missing " + std::string(what));
    return *value;
}

int OptionValue::positionalInt(int index, std::string_view what) {
    return parseInt(positional(index, what), std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

bool OptionValue::flag(std::string_view name) {
    for (Item& item : items_) {
        if (item.key.empty() && !item.isFlag && item.value == name) {
            item.used = item.isFlag = true;
            return true;
        }
    }
    return false;
}

bool OptionValue::has(std::string_view key) const { return find(key) != nullptr; }

std::optional<std::string> OptionValue::text(std::string_view key) {
    Item* item = find(key);
    if (!item) return std::nullopt;
    item->used = true;
    return item->value;
}

int OptionValue::integer(std::string_view key, int fallback, int minimum, int maximum) {
    const auto value = text(key);
    return value ? parseInt(*value, minimum, maximum) : fallback;
}

ColorChoice OptionValue::colour(std::string_view key, ColorChoice fallback) {
    const auto value = text(key);
    return value ? parseColour(*value) : fallback;
}

int OptionValue::parseInt(std::string_view item, int minimum, int maximum) const {
    int number = 0;
    const char* end = item.data() + item.size();
    const char* begin = item.data() + (item.starts_with('+') ? 1 : 0);
    const auto [last, error] = std::from_chars(begin, end, number);
    if (item.empty() || error != std::errc() || last != end)
        fail(quoted(item) + " is not a whole number");
    if (number < minimum || number > maximum)
        fail(quoted(item) + " is outside " + std::to_string(minimum) + ".." + std::to_string(maximum));
    return number;
}

ColorChoice OptionValue::parseColour(std::string_view item) const {
    if (item == "auto") return ColorChoice::automaticColor();
    unsigned value = 0;
    const char* end = item.data() + item.size();
    if (item.size() == 7 && item[0] == '#') {
        const auto [last, error] = std::from_chars(item.data() + 1, end, value, 16);
        if (error == std::errc() && last == end)
            return ColorChoice::of({std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value)});
    }
    fail("'" + std::string(item) + "' is not a colour (#RRGGBB or auto)");
}

UsageError OptionValue::badChoice(std::string_view item, const std::vector<std::string>& choices) const {
    std::string list;
    for (const std::string& choice : choices) list += (list.empty() ? "" : ", ") + choice;
    return UsageError(option_ + ": '" + std::string(item) + "' is not one of " + list);
}

void OptionValue::finish() const {
    for (const Item& item : items_) {
        if (item.used) continue;
        fail("unexpected item '" + (item.key.empty() ? item.value : item.key + "=" + item.value) + "'");
    }
}

}  // namespace qm::cli
