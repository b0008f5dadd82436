#include "qtgui/ProgramSpawn.h"

#include <QFile>
#include <spawn.h>
#include <string>
#include <vector>

extern char** environ;

namespace qtgui {

qint64 spawnProgram(const QString& program, const QStringList& arguments)
{
    std::vector<std::string> words{QFile::encodeName(program).toStdString()};
    for (const QString& argument : arguments)
        words.push_back(QFile::encodeName(argument).toStdString());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawnp(&child, argv.front(), nullptr, nullptr, argv.data(), environ) != 0)
        return 0;
    return child;
}

} // namespace qtgui
