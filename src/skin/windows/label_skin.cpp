// SkinLabel: the label's record from its settings, then its procedure.
#include "skin/core/control_attach.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/label.h"

namespace pelorin::skin {

namespace {

void Fill(LabelRecord& record, HWND label, const LabelSettings& s) {
    record.window = label;
    record.horizontalAlign = s.horizontalAlign.value_or(0);
    record.verticalAlign = s.verticalAlign.value_or(1);
    record.wrap = s.wrap;
    record.textColor = s.textColor.value_or(0);
    record.glowOn = s.glowColor.has_value();
    record.glowColor = s.glowColor.value_or(kNoColor);
    record.fontName = s.fontName.value_or(L"宋体");
    record.fontSize = s.fontSize.value_or(12);
    record.fontStyle = s.fontStyle;
    record.backgroundStale = true;
}

}  // namespace

std::int32_t SkinLabel(HWND label, const LabelSettings& settings) {
    if (!label || !::IsWindow(label)) return 0;
    const std::int32_t formIndex = FindFormByWindow(::GetAncestor(label, GA_ROOT));
    FormRecord* form = formRegistry.At(formIndex);
    if (!form) return 0;
    // A second call only changes the settings: subclassing twice would make
    // the label its own previous procedure.
    if (const std::int32_t known = form->labels.Find(label)) {
        const WNDPROC previous = form->labels[known].previousProc;
        Fill(form->labels[known], label, settings);
        form->labels[known].previousProc = previous;
        ::InvalidateRect(label, nullptr, TRUE);
        return 1;
    }
    AttachControl(formIndex, label, &FormRecord::labels, LabelProc,
                  [label, &settings](LabelRecord& record) { Fill(record, label, settings); });
    ::InvalidateRect(label, nullptr, TRUE);
    return 1;
}

}  // namespace pelorin::skin
