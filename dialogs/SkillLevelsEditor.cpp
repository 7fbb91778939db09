// FVAR is read and closed before the dialog opens, and written only after "Save", when it
// still holds the variables that were read.
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

// Whether FVAR still holds what was read before the window opened. Another robot's stick
// put in the reader meanwhile would otherwise get this robot's other variables.
bool stillAsRead(const FlashVars& read)
{
    FlashVars now;
    return readFlashVars(StickStream::open(kFlashVarPath, "rb"), now) && now == read;
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
    if (!stillAsRead(vars)) {
        editor.messages.showMessage(
            "FVAR on the stick changed or went away while the window was open; nothing was saved");
        return EditOutcome::SaveFailed;
    }
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
