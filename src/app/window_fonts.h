#pragma once

// The window is laid out for Tahoma 8 point. Where the desktop has no Tahoma, Wine's
// metric-compatible one stands in (when installed), so that captions fit their places.
void RegisterWindowFonts();
