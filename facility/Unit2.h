#pragma once
// The airport selection dialog (FS2002 edition).
#include "framework/Application.h"
#include "framework/Form.h"

class TForm2 : public fw::TForm {
public:
    explicit TForm2(fw::TApplication& app);
};

extern TForm2* Form2;
