#pragma once
// The program's MP3 player. Every call returns at once; the sound plays on a
// thread of the player, so a busy or blocked user-interface thread never
// interrupts it. There is one current playback: a new play stops the previous
// one, and pause and resume act on the current one.
//
// Files that cannot be played (missing, empty, not MP3, damaged) fail
// silently: nothing plays, nothing is reported. A damaged file plays up to
// the damage. Files are never written.

#include <optional>
#include <string>

namespace pelorin {

// Plays `file` `count` times in a row (once when not given). A count of 0
// plays nothing; a negative count repeats until the next play or shutdown.
// A relative path is resolved against the current directory at the call.
void PlayMp3(const std::wstring& file, std::optional<int> count = std::nullopt);

// Pause or continue the current playback; no effect when nothing plays.
void PauseMp3();
void ResumeMp3();

// Stops whatever plays, on every device; no effect when nothing plays.
void StopMp3();

// Where the sound goes from the next play on (the current one is stopped):
// `output` is a device name as OutputDeviceNames lists it, or "默认" (or
// empty) for the default device; `monitor` plays the same sound at the same
// time on a second device, empty for none. A device not present falls back
// to the default one; a monitor that would land on the output's own device
// plays nothing. Volume and mute act on both; the monitor is scaled further
// by `monitorVolume` (0..100).
void SetOutputDevices(const std::wstring& output, const std::wstring& monitor, int monitorVolume);

// Decodes `file` in the background and keeps it decoded, so that a later
// PlayMp3 of the same path starts from memory. For short sounds played often;
// files longer than a minute are not kept.
void PreloadMp3(const std::wstring& file);

// Stops the sound, forgets preloaded sounds, restores full volume and ends
// the player's threads. Any later call starts the player again.
void ShutdownPlayback();

}  // namespace pelorin
