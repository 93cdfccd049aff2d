#ifndef TRUCEWARD_APP_SDLSTART_H
#define TRUCEWARD_APP_SDLSTART_H

// Starts SDL with timer, video and joystick, on a video driver that shows
// something; throws FatalError when there is none. Whether multisampling will
// be asked for must be known before: it decides how sdl12-compat draws.
void startSdl(bool multisample);

#endif
