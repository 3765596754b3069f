// The audio output stream: PortAudio's default device, stereo 16-bit at
// 11025 Hz in buffers of 128 frames, fed by the mixer. Without a device the
// failure is printed and the game goes on silent. A library of its own
// beside the core, so only what plays sound links PortAudio.
#pragma once

void sound_open();   // no-op while a stream is open
void sound_close();  // no-op while none is open
bool sound_isOpen();

// The stream callback itself (PortAudio's signature with opaque pointers),
// so the mixer can be driven offline into a buffer. Always continues.
int sound_streamCallback(const void* input, void* output, unsigned long frames,
                         const void* timeInfo, unsigned long statusFlags, void* userData);
