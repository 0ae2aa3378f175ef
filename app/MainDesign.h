#pragma once
// The main window's design and English texts, one set per edition.
#include "env/Language.h"
#include "framework/Design.h"
#include "scenery/Scenery.h"

struct MainWindowEdition {
    int year;                     // 2002 or 2004
    int fsIndex;                  // simulator key index for GetFsPath
    const char* mutexName;        // single-instance guard
    const fw::FormDesign& design; // Japanese texts are the design's own
    const char* englishCaption;
    const char* groupBoxName;
    const char* englishGroupBox; // nullptr: the same in both languages
    const char* boxName;
    const char* browseName;
    const char* scnAddName;
    const char* scnDelName;
    const char* afdAddName; // nullptr: no facility buttons
    const char* afdResName;
    Texts pickerTitle;
    const SceneryEdition& scenery; // catalogue and scenery-button differences
};

extern const MainWindowEdition kMainWindow2002;
extern const MainWindowEdition kMainWindow2004;
