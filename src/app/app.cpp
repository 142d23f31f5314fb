#include "app/app.h"

#include <objbase.h>

#include "app/audio/playback.h"
#include "app/main_window.h"
#include "app/preset_sounds.h"
#include "app/services/file_io.h"
#include "app/skin_setup.h"

namespace pelorin {
namespace {

// What the program starts before its window and ends after it, each for the
// length of RunApplication: made in this order, ended in the reverse one.

// The thread's COM apartment (the file dialogs and the shell need one).
class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialized_) ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_;
};

// The skin engine with its GDI+ instance. No window procedure sees WM_QUIT,
// so the skin closes here, after the message loop.
class SkinEngine {
public:
    SkinEngine() { SkinHookS(); }
    ~SkinEngine() { SkinHookShutdown(); }
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;
};

// The player starts with its first call; at the end it stops the sound,
// restores the volume and ends its threads.
class Player {
public:
    Player() = default;
    ~Player() { ShutdownPlayback(); }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;
};

}  // namespace

int RunApplication(HINSTANCE instance) {
    const ComApartment com;
    const SkinEngine skin;
    const Player player;

    auto window = MainWindow::Load(instance, {runtime::ProgramDirectory()});
    if (!window) return 1;
    // Decoding the presets after the window is up keeps start-up fast and
    // makes a click only hand ready sound to the device.
    for (const std::wstring& file : PresetFiles(window->ProgramDirectory())) PreloadMp3(file);

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND top = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (top && ::IsDialogMessageW(top, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace pelorin
