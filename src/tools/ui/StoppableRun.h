#pragma once
// StoppableRun: a long run inside one of a window's handlers (the sort, the
// backup) that handles pending events between its steps, so that the user can
// stop it or close the window meanwhile. Closing the window sets the stop
// flag; the window is deleted once it is closed and no run is under way, so a
// run never works on a deleted window and each opening gets a fresh window.
#include <QObject>
#include <atomic>

class QWidget;

namespace tessamo {

class StoppableRun : public QObject {
public:
    explicit StoppableRun(QWidget* window);

    // The flag the logic watches between its steps.
    const std::atomic<bool>& StopFlag() const { return stop_; }
    bool Running() const { return running_; }

    // Clears the flag; the window's handler then runs the logic.
    void Begin();
    // The logic has returned; a window closed meanwhile goes now.
    void End();
    // Handles the events that arrived since the last step.
    static void HandlePendingEvents();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::atomic<bool> stop_{false};
    bool running_ = false;
};

}  // namespace tessamo
