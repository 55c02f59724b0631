#pragma once

#include <QString>

// The host (host[:port]) of the maker's update and feedback services: the environment
// variable LINTARO_SERVICE_HOST when it holds one, for tests and for mirrors; otherwise the
// maker's web host.
QString MakerServiceHost();
