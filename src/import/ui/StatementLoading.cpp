#include "import/ui/StatementLoading.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/LocalPaths.h"

namespace tessamo {
namespace {

// What the worker hands back; shared, so that a cancelled worker may still finish.
struct LoadJob {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    Status status;
    LoadedStatement loaded;

    // Waits up to `ms` for the worker; true once it is done.
    bool WaitFor(int ms) {
        std::unique_lock<std::mutex> lock(mutex);
        return finished.wait_for(lock, std::chrono::milliseconds(ms), [this] { return done; });
    }
};

// How long the window waits, without handling its events, before it shows progress.
constexpr int kMomentMs = 400;

}  // namespace

bool LoadStatementWithProgress(QWidget* parent, const FileSystem& files, const std::string& path,
                               const StatementLimits& limits, LoadedStatement& loaded, Status& status) {
    auto job = std::make_shared<LoadJob>();
    // The worker gets a file system of its own; `files` stays the window's.
    std::shared_ptr<FileSystem> folder = files.OtherFolder(SplitPath(path).folder);
    std::thread([job, folder, path, limits] {
        LoadedStatement result;
        const Status s = LoadStatement(*folder, path, limits, result);
        std::lock_guard<std::mutex> lock(job->mutex);
        job->status = s;
        job->loaded = std::move(result);
        job->done = true;
        job->finished.notify_all();
    }).detach();

    if (!job->WaitFor(kMomentMs)) {
        QProgressDialog progress(QStringLiteral("Reading the statement…"), QStringLiteral("Cancel"), 0, 0, parent);
        progress.setObjectName(QStringLiteral("StatementProgress"));
        progress.setWindowTitle(QStringLiteral("Import bank statement"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        progress.show();
        while (!job->WaitFor(20)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (progress.wasCanceled()) return false;
        }
    }
    std::lock_guard<std::mutex> lock(job->mutex);
    status = job->status;
    loaded = std::move(job->loaded);
    return true;
}

}  // namespace tessamo
