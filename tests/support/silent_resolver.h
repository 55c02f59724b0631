#pragma once

#include <functional>
#include <optional>
#include <string>

// The outcome of a probe run with a silent resolver.
struct TSilentResolverRun
{
    bool Ran = false; // false: the system offers no private namespaces; Reason says why
    bool Passed = false;
    std::string Report; // what the probe wrote, or why it did not run
};

// A host name that only the silent resolver is asked about.
inline constexpr char SilentHostName[] = "update.lintaro-silent.test";

// Runs `probe` in a child process whose name lookups go to a local UDP socket that receives
// them and never answers: the child gets a private user, network and mount namespace, its
// /etc/resolv.conf names 127.0.0.1, and a socket bound to port 53 there keeps silent. No packet
// leaves the machine. The probe returns true when it passed and may fill `report`.
TSilentResolverRun RunWithSilentResolver(const std::function<bool(std::string& report)>& probe);
