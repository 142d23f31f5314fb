#pragma once
// A volume control in the shape of a mixer line: select a line, read its
// range, set left and right volume, mute it.
//
// Line 4 is this program's own sound output: the volume that everything the
// program plays (presets, custom slots, music list) is subject to. It changes
// the current playback at once and every later one. It is the only line
// offered: the user's master volume and the other lines of the sound card
// belong to the user, and this program never changes them. With no line (or
// an unknown one) selected, every call does nothing and the range is 0..0.

namespace pelorin {

class SystemVolume {
public:
    static constexpr int kProgramOutputLine = 4;

    // True when `line` exists; the other calls then act on it.
    bool SelectLine(int line);
    int MaxValue() const;
    int MinValue() const;
    // Values outside MinValue()..MaxValue() are clamped.
    void SetVolume(int left, int right);
    // Muting keeps the volume: unmuting restores it.
    void SetMute(bool muted);

private:
    bool programOutput_ = false;
};

}  // namespace pelorin
