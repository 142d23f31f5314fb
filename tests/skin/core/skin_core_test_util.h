#pragma once
// Shared set-up of the skin core tests: the skin started as the program
// starts it, and a minimal form with a single push button.

#include <windows.h>

#include <gtest/gtest.h>

#include "skin/core/skin_registry.h"
#include "skinned_test_form.h"
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
class SingleButtonForm : public SkinnedTestForm {
public:
    SingleButtonForm() : SkinnedTestForm(Options()) {
        button_ = Add(L"BUTTON", WS_VISIBLE | BS_PUSHBUTTON, 10, 40, 80, 24, L"only");
    }
    HWND Button() const { return button_; }

private:
    static FormOptions Options() {
        FormOptions options;
        options.left = 600;
        options.top = 100;
        options.width = 200;
        options.height = 120;
        options.text = L"single";
        return options;
    }

    HWND button_ = nullptr;
};

}  // namespace pelorin::test
