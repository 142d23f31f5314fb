// The form registry as ApplySkin and the form procedure use it: one record per
// window, the first control taking the empty first element, and the
// renumbering when an earlier form goes away.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "skin/windows/apply_skin.h"
#include "skin/core/control_procs.h"
#include "skin/core/window_props.h"
#include "skin_core_test_util.h"
#include "skinned_test_form.h"
#include "test_support.h"

namespace pelorin::test {

namespace {

using skin::GetPropInt;
namespace prop = skin::prop;

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)); }
// The procedure the window's class gives it, before any subclassing.
WNDPROC ClassProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(::GetClassLongPtrW(window, GCLP_WNDPROC)); }

using RegistryTest = SkinCoreTest;

TEST_F(RegistryTest, SecondApplySkinChangesNothing) {
    EveryKindForm form;
    const std::int32_t index = form.Apply();
    ASSERT_GT(index, 0);
    const std::int32_t forms = skin::formRegistry.Size();
    const std::int32_t buttons = form.Record().buttons.Size();
    const auto previous = skin::GetPropValue(form.Window(), prop::kPreviousProc);
    const LONG_PTR style = ::GetWindowLongPtrW(form.Window(), GWL_STYLE);
    skin::FormRecord* record = &form.Record();

    skin::SkinSettings other;
    other.titleHeight = 80;
    skin::ApplySkin(form.Window(), other);

    EXPECT_EQ(skin::formRegistry.Size(), forms);
    EXPECT_EQ(&form.Record(), record);
    EXPECT_EQ(form.Record().titleHeight, 25);
    EXPECT_EQ(form.Record().buttons.Size(), buttons);
    EXPECT_NE(ProcedureOf(form.Window()), ClassProcedureOf(form.Window()));
    // Subclassing twice would have kept the skin's own procedure as the previous one.
    EXPECT_EQ(skin::GetPropValue(form.Window(), prop::kPreviousProc), previous);
    EXPECT_EQ(::GetWindowLongPtrW(form.Window(), GWL_STYLE), style);
}

TEST_F(RegistryTest, FirstControlTakesTheEmptyFirstElement) {
    SingleButtonForm single;
    skin::ApplySkin(single.Window(), {});
    skin::FormRecord* form = skin::FormOfWindow(single.Window());
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->buttons.Size(), 1);
    EXPECT_EQ(form->buttons[1].window, single.Button());
    EXPECT_EQ(GetPropInt(single.Button(), prop::kListIndex), 1);
    // The other lists keep their one empty element.
    EXPECT_EQ(form->edits.Size(), 1);
    EXPECT_EQ(form->edits[1].window, nullptr);
    EXPECT_EQ(form->sliders.Size(), 1);

    skin::OneBasedList<skin::ButtonRecord> list;
    EXPECT_EQ(list.Take(), 1);
    list[1].window = single.Button();
    EXPECT_EQ(list.Take(), 2);
    EXPECT_EQ(list.Size(), 2);
}

TEST_F(RegistryTest, ControlsAreNumberedInZOrder) {
    EveryKindForm form;
    form.Apply();
    const skin::FormRecord& record = form.Record();
    EXPECT_EQ(record.buttons[1].window, form.pushButton);
    EXPECT_EQ(record.buttons[2].window, form.defaultButton);
    EXPECT_EQ(record.buttons[3].window, form.userButton);
    for (std::int32_t i = 1; i <= record.buttons.Size(); ++i) {
        EXPECT_EQ(GetPropInt(record.buttons[i].window, prop::kListIndex), i);
        EXPECT_EQ(GetPropInt(record.buttons[i].window, prop::kFormIndex), form.FormIndex());
    }
}

TEST_F(RegistryTest, RemovingTheFirstFormRenumbersTheSecond) {
    const std::int32_t before = skin::formRegistry.Size();
    auto first = std::make_unique<EveryKindForm>();
    EveryKindForm second;
    ASSERT_EQ(first->Apply(), before + 1);
    ASSERT_EQ(second.Apply(), before + 2);
    AttachTestContainer(second.FormIndex(), second.groupBox);
    const skin::EditRecord& scrolled = second.Record().edits[second.Record().edits.Find(second.scrolledEdit)];
    const HWND vStrip = scrolled.vStrip;
    const HWND hStrip = scrolled.hStrip;
    ASSERT_NE(vStrip, nullptr);
    ASSERT_NE(hStrip, nullptr);
    ASSERT_EQ(GetPropInt(vStrip, prop::kFormIndex), before + 2);

    first.reset();  // WM_NCDESTROY releases the first record

    const std::int32_t now = before + 1;
    ASSERT_EQ(skin::formRegistry.Size(), now);
    EXPECT_EQ(skin::FindFormByWindow(second.Window()), now);
    EXPECT_EQ(GetPropInt(second.Window(), prop::kListIndex), now);
    const skin::FormRecord& record = second.Record();
    int controls = 0;
    auto expectForm = [&](HWND window) {
        if (!window) return;
        ++controls;
        EXPECT_EQ(GetPropInt(window, prop::kFormIndex), now);
    };
    for (const auto& button : record.buttons) expectForm(button.window);
    for (const auto& edit : record.edits) {
        expectForm(edit.window);
        expectForm(edit.vStrip);
        expectForm(edit.hStrip);
    }
    for (const auto& slider : record.sliders) expectForm(slider.window);
    for (const auto& container : record.containers) expectForm(container.window);
    EXPECT_EQ(GetPropInt(second.groupCheckBox, prop::kFormIndex), now);
    EXPECT_GE(controls, 10);
    // The list indices stay as they were.
    EXPECT_EQ(GetPropInt(second.pushButton, prop::kListIndex), 1);
}

TEST_F(RegistryTest, DestroyingAFormReleasesItsRecordAndProcedure) {
    const std::int32_t before = skin::formRegistry.Size();
    {
        EveryKindForm form;
        form.Apply();
        EXPECT_EQ(skin::formRegistry.Size(), before + 1);
    }
    EXPECT_EQ(skin::formRegistry.Size(), before);
}

TEST_F(RegistryTest, LookupsOfAWindowWithoutPropertiesFindNothing) {
    EveryKindForm skinned;
    skinned.Apply();
    const std::int32_t forms = skin::formRegistry.Size();
    SingleButtonForm plain;  // never skinned: no properties at all
    EXPECT_EQ(GetPropInt(plain.Button(), prop::kFormIndex), 0);
    EXPECT_EQ(skin::FormOfControl(plain.Button()), nullptr);
    EXPECT_EQ(skin::FormOfWindow(plain.Window()), nullptr);
    EXPECT_EQ(skin::FindFormByWindow(plain.Window()), 0);
    EXPECT_EQ(skin::FindButton(0, plain.Button()), 0);
    EXPECT_EQ(skin::FindButton(forms + 1, skinned.pushButton), 0);
    EXPECT_EQ(skin::FindEdit(-1, skinned.edit), 0);
    EXPECT_EQ(skin::FindButton(skinned.FormIndex(), plain.Button()), 0);
    EXPECT_EQ(skin::FindButton(skinned.FormIndex(), nullptr), 0);
    // A list index past the end reads as no record.
    EXPECT_EQ(skinned.Record().buttons.At(skinned.Record().buttons.Size() + 1), nullptr);
    EXPECT_EQ(skin::formRegistry.Size(), forms);
}

}  // namespace
}  // namespace pelorin::test
