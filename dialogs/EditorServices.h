// What the two editors' entry operations work with, handed over alike: the owner's
// message boxes, the slider dialog they show, the information list, the opened stick and
// the file operations their save goes through.
#pragma once

#include "reports/InfoList.h"
#include "stick/FileOperations.h"
#include "stick/StickRoot.h"
#include "ui/SliderDialogView.h"
#include "ui/UserMessages.h"

namespace morvane {

struct EditorServices {
    UserMessages& messages;
    SliderDialogView& view;
    InfoList& list;
    StickRoot& stick;
    FileOperations& files;
};

}  // namespace morvane
