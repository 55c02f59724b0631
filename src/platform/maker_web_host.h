#pragma once

// The maker's web host, used by every address the program opens or posts to.
inline constexpr char MakerWebHost[] = "www.kelmora.example";
