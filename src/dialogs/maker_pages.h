#pragma once

class QString;

// The maker's web pages that the about box opens in the browser, besides the home page
// (update/download_address.h).
QString MakerAcknowledgementsPage();
QString MakerUninstallPage();
// The home page's address as the about box shows it.
QString MakerWebAddress();
