#pragma once

#include <QString>

// What the auxiliary windows show and send about the running program.
struct TProgramFacts
{
    QString AppName; // company + " - " + product
    QString AppProductName;
    QString AppVersion;    // "major.minor"
    QString ProgramFolder; // the folder of the program file, where license.txt lies
};
