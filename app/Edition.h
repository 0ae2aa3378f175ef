#pragma once
// Everything that tells the two programs apart, chosen at compile time by QUILLET_EDITION.
#include "app/MainDesign.h"

#if QUILLET_EDITION == 2002
inline const MainWindowEdition& kEdition = kMainWindow2002;
inline constexpr bool kHasFacility = true;
#elif QUILLET_EDITION == 2004
inline const MainWindowEdition& kEdition = kMainWindow2004;
inline constexpr bool kHasFacility = false;
#else
#error "QUILLET_EDITION must be 2002 or 2004"
#endif
