#ifndef TRUCEWARD_TOOLS_ARTGEN_ART_ALERTRINGART_H
#define TRUCEWARD_TOOLS_ARTGEN_ART_ALERTRINGART_H

#include "image/RgbaImage.h"

// The alert rings drawn around a person, 64 x 64, one for each reason the
// game lights one. Their tints (red, yellow, light blue) are not enough on
// their own: to many players red and yellow look alike, so each ring has a
// shape of its own. All three share one cross-section: a white band between
// two dark edges, inside columns and rows 8..55, at most 224 of 255 opaque.
// The band is white because the game tints it by multiplying; the edges stay
// dark whatever the tint and keep the ring apart from the grass.
namespace alert_ring_art {

// In a bullet's line of fire: the ring with four short ticks at north, east,
// south and west crossing it, a gun sight.
RgbaImage paintThreat();
// A fighter laid down arms: the ring broken into evenly spaced dashes.
RgbaImage paintLaidDown();
// Somebody turned peace keeper: two thinner rings, one inside the other.
RgbaImage paintPeaceKeeper();

}  // namespace alert_ring_art

#endif
