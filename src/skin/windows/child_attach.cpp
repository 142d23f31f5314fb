#include "skin/windows/child_attach.h"

#include "skin/core/attach_steps.h"

namespace pelorin::skin {

void AttachChildControls(std::int32_t form, HWND parent) {
    using Step = void (*)(std::int32_t, HWND);
    static constexpr Step kSteps[] = {AttachPushButtons,
                                      AttachCheckBoxesAndRadios,
                                      AttachEditsAndComboBoxes,
                                      AttachSliders,
                                      AttachProgressBars,
                                      AttachListControls,
                                      AttachUpDowns,
                                      AttachHeaders,
                                      AttachToolbars,
                                      AttachTransparentChildren};
    for (Step step : kSteps) step(form, parent);
}

}  // namespace pelorin::skin
