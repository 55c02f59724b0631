#pragma once

#include <QString>
#include <QUrl>

// The maker's home page, opened when there is no download address.
QUrl MakerHomePage();

// Where the update popup's link leads: the download address when it is an absolute http or
// https address, else the maker's home page, so that an address from the service or the
// store cannot open a local file or run a script.
QUrl DownloadAddress(const QString& downloadUrl);
