// kelvane_save_loop FOLDER PROGRAM: saves the two versions of TSaveLoopCase
// in turn until it is killed. Prints "saving" once every file holds a
// complete version, so a test knows when a kill can only interrupt a save.
#include "SaveLoopCase.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: kelvane_save_loop FOLDER PROGRAM\n", stderr);
        return 2;
    }
    const TSaveLoopCase saves(arguments.at(1), arguments.at(2));
    saves.SaveAll(0);
    std::puts("saving");
    std::fflush(stdout);
    for (int version = 1;; version = 1 - version)
        saves.SaveAll(version);
}
