#pragma once

class QString;

// The maker's web pages that the program opens in the browser.
QString MakerHomePage();
QString MakerAcknowledgementsPage();
QString MakerUninstallPage();
// The home page's address as the about box shows it.
QString MakerWebAddress();
