#include "core/Settings.h"

#include "core/Dates.h"
#include "core/RecordFile.h"

namespace tessamo {

namespace {

Status ReadSettingsBytes(const FileSystem& files, const Clock& clock, SettingsRecord& settings, bool& found) {
    std::string bytes;
    Status s = files.ReadAll(kSettingsFileName, bytes);
    found = s.ok() && !bytes.empty();
    settings = found ? SettingsRecord::FromBytes(bytes) : SettingsRecord::NewFile(TodayText(clock));
    return s;
}

}  // namespace

Status ReadSettings(const FileSystem& files, const Clock& clock, SettingsRecord& settings) {
    bool found = false;
    return ReadSettingsBytes(files, clock, settings, found);
}

Status ReadOrCreateSettings(FileSystem& files, const Clock& clock, SettingsRecord& settings) {
    bool found = false;
    Status s = ReadSettingsBytes(files, clock, settings, found);
    if (!s.ok() || found) return s;
    return files.WriteAt(kSettingsFileName, 0, settings.Bytes());
}

Status ChangeSettings(FileSystem& files, const Clock& clock, const std::function<void(SettingsRecord&)>& change,
                      SettingsRecord& settings) {
    SettingsRecord record;
    Status s = ReadOrCreateSettings(files, clock, record);
    if (!s.ok()) return s;
    change(record);
    s = files.WriteAt(kSettingsFileName, 0, record.Bytes());
    if (s.ok()) settings = record;
    return s;
}

}  // namespace tessamo
