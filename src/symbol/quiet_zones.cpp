#include "symbol/quiet_zones.h"

namespace {
// Five modules after the add-on, whatever the main symbol needs.
constexpr int AddOnRightZone = 5;
} // namespace

TQuietZones StandardQuietZones(TZintSymbology symbology, bool hasAddon)
{
    const TSymbologyTraits& traits = lintaro::Traits(symbology);
    TQuietZones zones = traits.QuietZones;
    if (hasAddon && traits.HasAddOn())
        zones.Right = AddOnRightZone;
    return zones;
}
