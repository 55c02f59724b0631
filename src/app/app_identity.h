#pragma once

#include <QString>

// The program's identity, taken from its own version record once at start.
struct TAppIdentity
{
    QString AppCompanyName;
    QString AppProductName;
    QString AppVersion;        // "major.minor" of the file version, for the update service
    QString AppProductVersion; // the release as the package names it, "1.1.0"
    QString AppName;           // company + " - " + product
};

// Reads the program file's version record. A record that cannot be read leaves company,
// product and version empty, so the window still comes up.
TAppIdentity ReadAppIdentity(const QString& programPath);

// "http://<maker's host>/help/<product in lower case, blanks as '-'>/"
QString OnlineHelpAddress(const QString& productName);
