#pragma once

#include <QString>
#include <QUrl>

// The maker's home page, opened when there is no download address.
QUrl MakerHomePage();

// Where the update popup's link leads: the download address when it is an absolute http or
// https address, else the maker's home page, so that an address from the service or the
// store cannot open a local file or run a script. An address with a user name or password, or
// with a host outside ASCII (or its "xn--" form), leads to the home page too: what the popup
// shows as its host would not be where it goes.
QUrl DownloadAddress(const QString& downloadUrl);
