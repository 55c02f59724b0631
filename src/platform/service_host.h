#pragma once

#include <QString>

// The host (host[:port]) of the maker's update and feedback services: the environment
// variable LINTARO_SERVICE_HOST when it holds one, for tests and for mirrors; otherwise the
// maker's web host. The variable may name its scheme, "https://host[:port]" or
// "http://host[:port]"; it is kept in the value.
QString MakerServiceHost();

// The address of `path` (starting with "/") on `serviceHost`: always over https, unless the
// host itself names "http://", as a user's own mirror or a test server may.
QString ServiceAddress(const QString& serviceHost, const QString& path);
