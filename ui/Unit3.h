#pragma once
// The support dialog: shows the package folder as found at start-up, read-only.
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Form.h"

#include <string>

class TForm3 : public fw::TForm {
public:
    // `addonPath` is the package folder in the ANSI code page.
    TForm3(fw::TApplication& app, const std::string& addonPath);

    fw::TGroupBox* GroupBox1;
    fw::TEdit* Edit_Addons;
    fw::TButton* Button_OK;
    fw::TPanel* Panel1;

    // Called when OK is pressed: ends the modal show with OK.
    void Button_OKClick();
};

extern TForm3* Form3;

const fw::FormDesign& Form3Design();
