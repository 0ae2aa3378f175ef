#pragma once
// Facility data registration and restoration (FS2002 edition).
#include "framework/Messages.h"
#include "platform/System.h"

#include <string>

enum class FacilityMode { Register, Restore };

class TForm2;

// One run of a facility button, between the main window's two busy toggles. `boxText` is the
// simulator folder box's text (UTF-8).
void RunFacility(FacilityMode mode, const std::string& boxText, fw::Messages& messages, platform::System& system,
                 TForm2& form2);
