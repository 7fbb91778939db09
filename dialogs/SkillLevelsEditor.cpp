// FVAR is read and closed before the dialog opens, and written only after "Save".
#include "dialogs/SkillLevelsEditor.h"

#include "dialogs/SaveFailureMessage.h"
#include "dialogs/SkillLevelsDialogModel.h"
#include "reports/FlashVarFile.h"
#include "stick/Detection.h"

namespace morvane {
namespace {

// The FVAR slots of the sliders, in dialog order.
constexpr std::array<FlashVarSlot, SliderControls::kSliderCount> kSkillSlots{
    FlashVarSlot::maturity, FlashVarSlot::walkSkill, FlashVarSlot::ballSkill, FlashVarSlot::boneSkill};

SkillValues skillValuesOf(const FlashVars& vars)
{
    SkillValues values{};
    for (std::size_t slider = 0; slider < kSkillSlots.size(); ++slider)
        values[slider] = vars[kSkillSlots[slider]];
    return values;
}

void storeSkillValues(const SkillValues& values, FlashVars& vars)
{
    for (std::size_t slider = 0; slider < kSkillSlots.size(); ++slider)
        vars[kSkillSlots[slider]] = values[slider];
}

void confirmChanges(InfoList& list)
{
    list.clear();
    list.addLine("Changes done");
    list.addLine(" click \"Summary\" to see new stage");
}

}  // namespace

EditOutcome editSkillLevels(const EditorServices& editor)
{
    FlashVars vars;
    if (!readFlashVars(StickStream::open(kFlashVarPath, "rb"), vars)) {
        editor.messages.showMessage("No FVAR file yet\nPlease reboot AIBO at least once");
        return EditOutcome::NotOpened;
    }
    SkillLevelsDialogModel dialog(skillValuesOf(vars), editor.messages);
    if (!editor.view.runModal(dialog))
        return EditOutcome::Cancelled;
    storeSkillValues(dialog.values(), vars);
    const SaveOutcome saved = writeFlashVars(vars, editor.files);
    if (saved != SaveOutcome::Saved) {
        showSaveFailure(editor.messages, saved, kFlashVarPath, "Save to memory stick failed (FVAR)");
        return EditOutcome::SaveFailed;
    }
    detectSoftware(editor.stick);
    confirmChanges(editor.list);
    return EditOutcome::Saved;
}

}  // namespace morvane
