#pragma once

#include <QString>

class TDialogService;

// What the main window takes from its surroundings; tests give their own folders and dialogs.
struct TAppEnvironment
{
    QString ProgramPath; // the program file: its version record and its folder
    QString DataHome;    // per-user data home, used when the program folder is not writable
    TDialogService* Dialogs = nullptr; // not owned; outlives the window
};
