#pragma once

#include <QString>

// The folder for the program's per-user files, always ending with "/": the program's folder
// when a file can be created there, else dataHome/company/product/ (created as needed).
QString ChooseDataFolder(const QString& programFolder, const QString& dataHome,
                         const QString& companyName, const QString& productName);
