#pragma once

struct TUpdateResults;

// The "Update Notifications" switch, "ShowUpdate" in the store that the finished update check
// opened; it takes effect at the next start.
void EnableUpdateNotifications(TUpdateResults& results);
void DisableUpdateNotifications(TUpdateResults& results);
