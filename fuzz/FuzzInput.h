#pragma once
// FuzzInput: takes the fuzzer's bytes apart from the front, so one input can
// choose options (a byte each) and carry a text or file after them. Reading
// past the end gives zeros and empty texts, never an error.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/MoneyFormat.h"

namespace tessamo {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // Up to `n` bytes.
    std::string Text(std::size_t n) {
        std::string text(rest_.substr(0, n));
        rest_.remove_prefix(text.size());
        return text;
    }
    // Up to the next NUL (consumed) or the end.
    std::string Field() {
        const std::size_t end = rest_.find('\0');
        std::string text = Text(end);
        Byte();
        return text;
    }
    std::string Rest() { return Text(rest_.size()); }
    // The reference money format, or one with a comma for the decimal point
    // and the sign in front.
    MoneyFormat Money() {
        MoneyFormat money = MoneyFormat::Reference();
        if (Byte() & 1) money = MoneyFormat{"# kr", "-# kr", ",", "."};
        return money;
    }
    const char* Style() { return Byte() & 1 ? "E" : "A"; }

private:
    std::string_view rest_;
};

}  // namespace tessamo
