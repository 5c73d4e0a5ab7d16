// The game's sound library: one audio device, sound buffers loaded from whole WAV files, and
// play / loop / stop on them. Handles are 32-bit integers and 0 means "none"; every call with
// 0 or with a handle that was never given out (or is already released) does nothing, so the
// game runs silently on a machine without sound. Calls come from one thread only.
#ifndef MIZUHANE_SOUNDLIB_MIZUHANE_SOUND_H
#define MIZUHANE_SOUNDLIB_MIZUHANE_SOUND_H

#include <stddef.h>
#include <stdint.h>

#if defined(MIZUHANE_SOUND_BUILD)
#define MIZUHANE_SOUND_API __attribute__((visibility("default")))
#else
#define MIZUHANE_SOUND_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Opens the audio device; the window is accepted for the caller's convenience and not needed.
// Returns the device handle, or 0 when no device can be opened (or one is open already).
MIZUHANE_SOUND_API int32_t dsInitialize(void* window);

// Makes a sound buffer from a whole WAV file in memory (PCM, 8 or 16 bits, mono or stereo).
// The bytes are copied. Flags are accepted and have no effect. A file cut short plays the samples
// it holds. Returns 0 for a device that is not open and for any file that is not a plain PCM WAV
// file with at least one whole frame of samples.
MIZUHANE_SOUND_API int32_t dsCreateDSB(int32_t device, const uint8_t* bytes, size_t length,
                                       int32_t flags);

// Plays the buffer once from its start, cutting off an earlier play of the same buffer.
MIZUHANE_SOUND_API void dsPlay(int32_t buffer);

// Plays the buffer from its start over and over until it is stopped or released.
MIZUHANE_SOUND_API void dsPlayLooping(int32_t buffer);

// Silences the buffer at once.
MIZUHANE_SOUND_API void dsStop(int32_t buffer);

// Releases the buffer; a buffer that is still playing falls silent first.
MIZUHANE_SOUND_API void dsFree(int32_t buffer);

// Releases every buffer still made on the device, then closes the device.
MIZUHANE_SOUND_API void dsTerminate(int32_t device);

#ifdef __cplusplus
}
#endif

#endif
