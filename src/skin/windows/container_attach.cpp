// AttachContainer: a record for the container, its font when it is a group
// box or tab control, and every kind of control inside it skinned with the
// form's own attach steps.
#include <windows.h>
#include <commctrl.h>

#include "skin/core/control_attach.h"
#include "skin/core/control_font.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/child_attach.h"
#include "skin/windows/container.h"

namespace pelorin::skin {

namespace {

std::int32_t ContainerKindOf(HWND window) {
    const std::wstring name = ClassNameOf(window);
    if (::lstrcmpiW(name.c_str(), L"Button") == 0 &&
        (::GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
        return kGroupBox;
    if (::lstrcmpiW(name.c_str(), WC_TABCONTROLW) == 0) return kTabControl;
    return kOtherContainer;
}

}  // namespace

void AttachContainer(HWND container, const ContainerSettings& settings) {
    if (!container || !::IsWindow(container)) return;
    const std::int32_t formIndex = FindFormByWindow(::GetAncestor(container, GA_ROOT));
    FormRecord* form = formRegistry.At(formIndex);
    if (!form || form->containers.Find(container)) return;

    const std::int32_t index = AttachControl(formIndex, container, &FormRecord::containers, ContainerProc,
                                             [formIndex, container, &settings](ContainerRecord& record) {
                                                 record.settingB = settings.tint.value_or(0);
                                                 record.panelAlpha = settings.panelAlpha.value_or(255);
                                                 record.drawPanel = settings.drawPanel.value_or(0);
                                                 record.selfPainted = settings.selfPainted.value_or(true);
                                                 RECT client{};
                                                 ::GetClientRect(container, &client);
                                                 record.width = client.right;
                                                 record.height = client.bottom;
                                                 record.kind = ContainerKindOf(container);
                                                 if (record.kind != kOtherContainer) {
                                                     record.selfPainted = true;
                                                     const ControlFont font = ReadControlFont(container);
                                                     record.fontName = font.name;
                                                     record.fontSize = font.size;
                                                     record.fontStyle = font.style;
                                                 }
                                                 // Last: attaching the children may grow the container
                                                 // list (a toolbar with children is a container too).
                                                 AttachChildControls(formIndex, container);
                                             });
    formRegistry[formIndex].containers[index].backgroundStale = true;
    ::InvalidateRect(container, nullptr, TRUE);
}

}  // namespace pelorin::skin
