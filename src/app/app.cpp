#include "app/app.h"

#include "app/audio/playback.h"
#include "app/main_window.h"
#include "app/preset_sounds.h"
#include "app/services/file_io.h"
#include "app/skin_setup.h"

namespace pelorin {

int RunApplication(HINSTANCE instance) {
    SkinHookS();

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
    window.reset();
    ShutdownPlayback();
    // No window procedure sees WM_QUIT, so the skin closes here, after the loop.
    SkinHookShutdown();
    return 0;
}

}  // namespace pelorin
