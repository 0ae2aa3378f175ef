#pragma once
// The Win32 robot: drives programs of the same Wine prefix as a user would.
#include "robot/Files.h"
#include "robot/MessageBox.h"
#include "robot/Process.h"
#include "robot/Registry.h"
#include "robot/Text.h"
#include "robot/Wait.h"
#include "robot/Window.h"
