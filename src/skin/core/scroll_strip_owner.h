#pragma once
// The record fields that hold an owner's simulated scroll strips: an edit
// box ("Edit", "RichEdit20A") keeps them in its edit record, every other
// owner in its boxed-control record. Both are found through the owner's
// "Hw_FuID" and "Hw_lbID".

#include <windows.h>

namespace pelorin::skin {

struct StripParts;

struct StripOwner {
    HWND* vStrip = nullptr;
    HWND* hStrip = nullptr;
    StripParts* vParts = nullptr;
    StripParts* hParts = nullptr;

    explicit operator bool() const noexcept { return vStrip != nullptr; }
};

// Empty when the owner is in no form record.
StripOwner FindStripOwner(HWND owner);

}  // namespace pelorin::skin
