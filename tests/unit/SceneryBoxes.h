#pragma once
// The boxes of the scenery buttons as an English user sees them, for the headless tests.
#include "framework/headless/HeadlessBackend.h"

#include <string>

namespace scenery_boxes {

using Box = fw::HeadlessBackend::Box;
using fw::MsgKind;

inline const Box kRegisterQuestion{MsgKind::Question, "May I register the scenery library?", "Question"};
inline const Box kRegisterDone{MsgKind::Information, "Registering the scerery library was completed.", "Completed"};
inline const Box kDeleteQuestion{MsgKind::Question, "May I delete the scenery from your scenery library?", "Question"};
inline const Box kDeleteDone{MsgKind::Information, "Deletion from the scenery library was completed.", "Completed"};
inline const Box kConfigMissing{MsgKind::Error, "There are no \"scenery.cfg\".\nThe process will be stopped.", "Error"};
inline const Box kNothingToRegister{MsgKind::Warning, "There are no scerery to register the scenery library.",
                                    "Warning"};
inline const Box kKeepAfcad2{
    MsgKind::Question,
    "Do you save the scenery area \"Vellmora - AFCAD2\"?\n(If you keep using other \"Ambrello\" "
    "series,you have to choose \"Yes\".)",
    "Question"};

inline Box ReadOnlyQuestion(const std::string& path) {
    return {MsgKind::Question, "This is read only file.May I update?\n" + path, "Question"};
}
inline Box UpdateFailed(const std::string& line) {
    return {MsgKind::Error,
            "An error occurred while updating \"scenery.cfg\".\n" + line + "\nThe process will be stopped.", "Error"};
}

} // namespace scenery_boxes
