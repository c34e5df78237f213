#pragma once
// CodeTable: a value for each category code met, looked up by its CodeKey
// through a direct table over all 65,536 keys instead of a hash, because the
// report and the export look up a code for every ledger line.
#include <cstdint>
#include <vector>

namespace tessamo {

template <class T>
class CodeTable {
public:
    CodeTable() : slots_(kKeys, kNone) {}

    // The code's value, made (value-initialised) on first use.
    T& operator[](std::uint16_t key) {
        std::uint32_t& slot = slots_[key];
        if (slot == kNone) {
            slot = static_cast<std::uint32_t>(values_.size());
            values_.emplace_back();
        }
        return values_[slot];
    }
    // The code's value, or null when the code was never met.
    const T* Find(std::uint16_t key) const {
        const std::uint32_t slot = slots_[key];
        return slot == kNone ? nullptr : &values_[slot];
    }

private:
    static constexpr std::uint32_t kKeys = 1u << 16;
    static constexpr std::uint32_t kNone = ~0u;
    std::vector<std::uint32_t> slots_;
    std::vector<T> values_;
};

}  // namespace tessamo
