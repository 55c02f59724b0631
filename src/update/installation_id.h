#pragma once

#include <QString>

class TUserStore;

// The identifier the update check sends: a random UUID made on the first contact and kept in
// the per-user store, so nothing on the machine yields it and the user can replace it. Empty
// when the store cannot keep one.
QString InstallationId(TUserStore& store);

// Replaces the kept identifier with a new random one.
void ResetInstallationId(TUserStore& store);
