#pragma once

#include <QString>

// What the auxiliary windows show and send about the running program.
struct TProgramFacts
{
    QString AppName; // company + " - " + product
    QString AppProductName;
    QString AppVersion;        // "major.minor", what the services are told
    QString AppProductVersion; // "1.1.0", what the user is shown
    QString ProgramFolder;     // the folder of the program file, where license.txt lies
};
