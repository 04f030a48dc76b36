#pragma once

#include <QStringList>

// The program's start: one copy per user, seeding, the update reminder, then
// the main window. Returns false when the program is to end at once.
bool StartUp();

// Returns only when no other copy runs; otherwise tells the user and ends.
bool CheckSingleInstance();
// The same, with the lock kept in the first of `lockFolders` that can hold it.
bool CheckSingleInstance(const QStringList &lockFolders);

// Gives up the one-copy lock before the process ends.
void ReleaseSingleInstance();

// Unloads every loaded window and ends the program.
void ShutDownProgram();
