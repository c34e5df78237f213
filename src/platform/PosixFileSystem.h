#pragma once
// PosixFileSystem: the real FileSystem over one folder of the local disk.
#include "platform/FileSystem.h"

namespace tessamo {

class PosixFileSystem : public FileSystem {
public:
    explicit PosixFileSystem(std::string folder);

    const std::string& Folder() const override { return folder_; }
    std::string Resolve(const std::string& name) const override;
    std::string PathOf(const std::string& name) const override;
    bool Exists(const std::string& name) const override;
    Status FileLength(const std::string& name, std::uint64_t& length) const override;
    Status ReadAll(const std::string& name, std::string& bytes) const override;
    Status ReadRange(const std::string& name, std::uint64_t offset, std::uint64_t length,
                     std::string& bytes) const override;
    Status CreateIfMissing(const std::string& name) override;
    Status WriteAt(const std::string& name, std::uint64_t offset, const std::string& bytes) override;
    Status Append(const std::string& name, const std::string& bytes) override;
    Status ReplaceWhole(const std::string& name, const std::string& tempName,
                        const std::string& bytes) override;
    Status Remove(const std::string& name) override;
    Status Rename(const std::string& from, const std::string& to) override;
    std::vector<std::string> List() const override;
    std::vector<std::string> Folders() const override;
    Status MakeFolder(const std::string& name) override;
    Status RemoveFolder(const std::string& name) override;
    Status Inspect(const std::string& name, FileInfo& info) const override;
    std::unique_ptr<FileSystem> OtherFolder(const std::string& folder) const override;
    Status WriteOutputPieces(const std::string& name, const std::string& tempName, const OutputPieces& pieces,
                             bool keepContent, const OutputCheck& check) override;

private:
    std::string folder_;
};

}  // namespace tessamo
