#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace qtgui {

// Starts a program as a child of this process, in the current folder, with the program found on the
// PATH unless it is given with a folder. Answers its process id, or 0 when it could not start.
// The child is ours to reap when it ends (ChildReaper): started this way, rather than detached, a
// program is never handed to a process 1 that reaps nothing and left there as a defunct process.
qint64 spawnProgram(const QString& program, const QStringList& arguments);

} // namespace qtgui
