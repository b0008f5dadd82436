#pragma once

#include <QObject>
#include <QTimer>

// Programs started from here end without staying behind as defunct processes. The sibling programs
// and the calculator are our own children (ProgramSpawn.h); a program the desktop starts detached
// (the text viewer) becomes our child only where this program is the first process of its session
// or a child subreaper. Either way it is reaped here when it ends. The program waits for no child
// of its own, so reaping every ended child takes nothing from anyone.
namespace qtgui {

class ChildReaper : public QObject {
public:
    ChildReaper();

    // Reaps every child that has ended; answers whether a child is still running.
    static bool reapEnded();
    // A program was started: reaps now, and then every second while a child runs.
    void watch();

private:
    void reap();

    QTimer timer_;
};

} // namespace qtgui
