#ifndef TRUCEWARD_ASSETS_DEMOS_H
#define TRUCEWARD_ASSETS_DEMOS_H

// The demonstration replay, compiled in from assets/replays/demo.twreplay
// (recorded by tools/demo), with its length in bytes.
namespace Demos {

extern const unsigned char demo_twreplay[];
extern const unsigned int demo_twreplay_len;

}  // namespace Demos

#endif
