// backups: lists the automatic backups of the data folder, every copy's
// checksum verified; sets where they go and whether closing makes one; and
// removes a safety copy made before a restore.
#include <algorithm>
#include <ostream>

#include "backups/BackupRemoval.h"
#include "backups/BackupSummary.h"
#include "backups/FolderId.h"
#include "platform/LocalPaths.h"
#include "cli/AutoBackupRoot.h"
#include "cli/CommandArgs.h"
#include "core/FixedText.h"

namespace tessamo {

std::string BackupsCommandHelp() {
    return "  backups [--folder PATH] [--automatic on|off] [--remove NAME]\n"
           "      Lists the automatic backups of the data folder, newest first, one a line\n"
           "      with tabs between: the name (for restore), the date, good or bad (and why;\n"
           "      every copy's checksum is verified), the number of files, and per year the\n"
           "      ledger's lines and totals. A safety copy made before a restore says \"before\n"
           "      restoring NAME\"; rotation keeps it until --remove NAME removes it. Backups\n"
           "      of another data folder sharing the backup folder are listed apart, after\n"
           "      a line saying so, and never removed or restored. Exits 1 when one of the\n"
           "      data folder's own backups is bad.\n"
           "      --folder PATH sets the data folder's backup folder (an empty PATH: the\n"
           "      default one), --automatic on|off the backup at closing; both are kept in\n"
           "      $XDG_CONFIG_HOME/tessamo/backups.conf (~/.config/tessamo/backups.conf), as\n"
           "      the Options dialog keeps them.\n";
}

namespace {

int Failed(CliContext& context, const Status& s) {
    context.err << "tessamo-cli: " << ConsoleLines(s.ToString()) << "\n";
    return kExitFailed;
}

int ChangeSettings(CliContext& context, const CommandArgs& parsed) {
    const FileSystem& data = context.state().env.files;
    BackupSettings settings;
    std::string rootFolder;
    if (Status s = LoadBackupSettings(data, settings, rootFolder); !s.ok()) return Failed(context, s);
    if (const auto automatic = parsed.Value("--automatic")) {
        if (*automatic != "on" && *automatic != "off")
            return BadArguments(context, "backups: --automatic wants on or off, not \"" + *automatic + "\"");
        settings.automatic = *automatic == "on";
    }
    if (const auto folder = parsed.Value("--folder")) {
        // Relative to where the user stands, kept as a full path.
        const Result<std::string> absolute = TrimBlanks(*folder).empty() ? std::string() : AbsolutePath(*folder);
        if (!absolute.ok()) return BadArguments(context, "backups: " + absolute.status().ToString());
        settings.folder = absolute.value().empty() ? "" : LexicallyNormal(absolute.value());
    }
    if (Status s = WriteBackupSettings(*ConfigFolderOf(data), data.Folder(), settings); !s.ok()) return Failed(context, s);
    (void)LoadBackupSettings(data, settings, rootFolder);
    context.out << "automatic\t" << (settings.automatic ? "on" : "off") << "\nfolder\t" << rootFolder << "\n";
    return kExitOk;
}

// A bad backup of the folder's own cannot be restored: the listing says
// which and why, and the exit code tells a script that something is wrong.
int ReportBadBackups(CliContext& context, const std::vector<BackupEntry>& entries) {
    const auto own = OwnBackups(entries);
    const auto bad = std::count_if(own.begin(), own.end(), [](const BackupEntry& e) { return !e.good; });
    if (bad == 0) return kExitOk;
    context.err << "tessamo-cli: " << bad << (bad == 1 ? " backup is bad" : " backups are bad")
                << " and cannot be restored\n";
    return kExitFailed;
}

}  // namespace

int RunBackupsCommand(CliContext& context, const std::vector<std::string>& args) {
    CommandArgs parsed;
    if (Status s = ParseCommandArgs(args, {"--folder", "--automatic", "--remove"}, {}, parsed); !s.ok())
        return BadArguments(context, "backups", s);
    if (!parsed.positional.empty()) return BadArguments(context, "backups takes no other arguments");
    if (int rc = context.OpenDataFolder(); rc != kExitOk) return rc;
    if (parsed.Value("--folder") || parsed.Value("--automatic")) return ChangeSettings(context, parsed);
    AutoBackupRoot root;
    if (int rc = root.Open(context); rc != kExitOk) return rc;
    std::string id;
    if (Status s = ReadFolderId(context.state().env.files, id); !s.ok()) return Failed(context, s);
    if (const auto name = parsed.Value("--remove")) {
        if (Status s = RemoveSafetyCopy(*root.folder, *name, id); !s.ok()) return Failed(context, s);
        context.err << "Removed the safety copy " << ToConsole(*name) << "\n";
        return kExitOk;
    }
    const auto entries = ListBackups(*root.folder, id, Verify::Checksums);
    if (OwnBackups(entries).empty()) context.err << "No automatic backups in " << root.path << "\n";
    context.out << BackupListingText(entries, context.state().env.money);
    return ReportBadBackups(context, entries);
}

}  // namespace tessamo
