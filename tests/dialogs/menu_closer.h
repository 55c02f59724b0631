#pragma once

// Closes the next menu that opens, as a click beside it would, so that a test can go on after
// a menu runs its own event loop.
void CloseNextMenu();
