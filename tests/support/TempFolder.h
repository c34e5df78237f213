#pragma once
// A fresh temporary folder per test, removed afterwards, with helpers to put
// bytes in and read them back.
#include <string>

namespace tessamo {

class TempFolder {
public:
    // Under the system's temporary folder, or under `parent` when given.
    explicit TempFolder(const std::string& parent = "");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;  // empty when missing
    bool Exists(const std::string& name) const;

private:
    std::string path_;
};

}  // namespace tessamo
