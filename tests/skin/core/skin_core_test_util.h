#pragma once
// Shared set-up of the skin core tests: the skin started as the program
// starts it, and a minimal form with a single push button.

#include <windows.h>

#include <gtest/gtest.h>

#include "skin/core/skin_registry.h"
#include "skin/windows/skin_startup.h"

namespace pelorin::test {

class SkinCoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin::SkinStartup();
        skin::skinDefaults.skinControlsEnabled = 1;
    }
};

// A borderless top-level window with one push button and nothing else.
class SingleButtonForm {
public:
    SingleButtonForm();
    ~SingleButtonForm();
    SingleButtonForm(const SingleButtonForm&) = delete;
    SingleButtonForm& operator=(const SingleButtonForm&) = delete;
    HWND Window() const { return window_; }
    HWND Button() const { return button_; }

private:
    HWND window_ = nullptr;
    HWND button_ = nullptr;
};

}  // namespace pelorin::test
