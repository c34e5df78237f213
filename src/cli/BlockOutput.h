#pragma once
// BlockOutput: a long text written in blocks. Pieces are appended to the
// block, which goes out each time it passes 64 KiB and at the end, so there
// are few writes and a long ledger's text is never held whole.
#include <ostream>
#include <string>

namespace tessamo {

class BlockOutput {
public:
    explicit BlockOutput(std::ostream& out) : out_(out) { block_.reserve(kBlockSize + 1024); }
    ~BlockOutput() { out_ << block_; }
    BlockOutput(const BlockOutput&) = delete;
    BlockOutput& operator=(const BlockOutput&) = delete;

    // Append the next piece here, then call WriteIfFull().
    std::string& Block() { return block_; }
    void WriteIfFull() {
        if (block_.size() < kBlockSize) return;
        out_ << block_;
        block_.clear();
    }

private:
    static constexpr std::size_t kBlockSize = 1 << 16;
    std::ostream& out_;
    std::string block_;
};

}  // namespace tessamo
