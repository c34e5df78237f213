#include "core/Settings.h"

#include "core/Dates.h"
#include "core/RecordFile.h"

namespace tessamo {

Status ReadOrCreateSettings(FileSystem& files, const Clock& clock, SettingsRecord& settings) {
    std::string bytes;
    Status s = files.ReadAll(kSettingsFileName, bytes);
    if (!s.ok()) return s;
    if (!bytes.empty()) {
        settings = SettingsRecord::FromBytes(bytes);
        return Status::Ok();
    }
    settings = SettingsRecord::NewFile(TodayText(clock));
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
