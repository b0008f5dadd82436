#pragma once

#include <QObject>
#include <QTimer>
#include <QtGlobal>
#include <vector>

// Programs started from here end without staying behind as defunct processes. The sibling programs
// and the calculator are our own children (ProgramSpawn.h), and the reaper waits for exactly
// those: any other child (a QProcess, say) is left to whoever started it. A program the desktop
// starts detached (the text viewer) is handed, once its starter has ended, to the nearest ancestor
// that is a child subreaper, else to process 1 of its PID namespace; so it is ours only where this
// program is process 1 (the one process of some containers), and there every ended child is reaped,
// since nothing else would.
namespace qtgui {

class ChildReaper : public QObject {
public:
    enum class Scope { StartedPrograms, EveryChild };
    // EveryChild where this program is process 1.
    static Scope scopeOfThisProcess();

    explicit ChildReaper(Scope scope = scopeOfThisProcess());

    // A program spawnProgram started: reaps what has ended now, then every second while one runs.
    void watch(qint64 child);
    // The desktop started a program detached: where the program is process 1, what it leaves is
    // reaped as above; elsewhere it is never ours.
    void watchAdopted();
    // Reaps what has ended; answers whether anything to reap still runs.
    bool reapEnded();

private:
    void reap();

    Scope scope_;
    std::vector<qint64> children_;
    QTimer timer_;
};

} // namespace qtgui
