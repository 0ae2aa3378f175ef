#pragma once
// Facility data registration and restoration (FS2002 edition): the user picks airports in Form2,
// the simulator's facility file japanafd.bgl is copied to japanafd.QZ_ORG (once) and
// japanafd.QZ_BAK (every run), and the package's installer Fadrillo.exe is started through the
// shell with the chosen airports' list files, not awaited.
#include "framework/Messages.h"
#include "platform/System.h"

#include <string>

enum class FacilityMode { Register, Restore };

class TForm2;

// One run of a facility button, between the main window's two busy toggles. `boxText` is the
// simulator folder box's text (UTF-8). Every outcome is told by a message box; a cancelled
// dialog and an answer of No pass silently.
void RunFacility(FacilityMode mode, const std::string& boxText, fw::Messages& messages, platform::System& system,
                 TForm2& form2);
