#include "journal/FileImages.h"

namespace tessamo {
namespace {

// A change no larger than this is written over the file in place.
constexpr std::size_t kInPlaceLimit = 4096;

FileImage& ImageOf(const FileSystem& files, const std::string& name, TurnedFiles& images, Status& status) {
    auto found = images.turned.find(name);
    if (found != images.turned.end()) return found->second;
    FileImage image;
    status = ReadImage(files, name, image);
    images.read[name] = image;
    return images.turned[name] = std::move(image);
}

}  // namespace

Status ReadImage(const FileSystem& files, const std::string& name, FileImage& image) {
    image.exists = files.Exists(name);
    image.bytes.clear();
    return image.exists ? files.ReadAll(name, image.bytes) : Status::Ok();
}

Status WriteImage(FileSystem& files, const std::string& name, const FileImage& current, const FileImage& wanted) {
    if (!wanted.exists) return files.Remove(name);
    if (current.exists && current.bytes.size() == wanted.bytes.size()) {
        const FileChange change = ChangeBetween(name, &current.bytes, &wanted.bytes);
        if (change.after.empty()) return Status::Ok();
        if (change.after.size() <= kInPlaceLimit) return files.WriteAt(name, change.offset, change.after);
    }
    return files.ReplaceWhole(name, "temp.$$$", wanted.bytes);
}

Status TurnedFiles::Write(FileSystem& files, std::vector<std::string>& written) const {
    for (const auto& [name, image] : turned) {
        const FileImage& before = read.at(name);
        if (before.exists == image.exists && before.bytes == image.bytes) continue;
        if (Status s = WriteImage(files, name, before, image); !s.ok()) return s;
        written.push_back(name);
    }
    return Status::Ok();
}

Status TurnBackChanges(const FileSystem& files, const std::vector<FileChange>& changes, TurnedFiles& images) {
    for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
        Status s;
        FileImage& image = ImageOf(files, change->name, images, s);
        if (!s.ok()) return s;
        const ChangeSide side = SideOf(*change, image);
        if (side == ChangeSide::Neither)
            return Status::Corruption(change->name, "the file holds neither the bytes before nor after the change");
        if (side == ChangeSide::After) TurnBack(*change, image);
    }
    return Status::Ok();
}

Status RollBackChanges(FileSystem& files, const std::vector<FileChange>& changes) {
    TurnedFiles images;
    if (Status s = TurnBackChanges(files, changes, images); !s.ok())
        return Status::Unfinished(s.fileName(), s.reason());
    std::vector<std::string> written;
    if (Status s = images.Write(files, written); !s.ok()) {
        std::string reason = s.reason() + "; " + s.fileName() + " and any file after it still hold the change";
        for (const std::string& name : written) reason += "; " + name + " holds its old bytes again";
        return Status::Unfinished(s.fileName(), reason);
    }
    return Status::Ok();
}

}  // namespace tessamo
