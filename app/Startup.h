#pragma once
#include "app/Unit1.h"
#include "framework/Application.h"

#include <functional>

// The start-up order of both editions: the application's title, the main window, the airport
// dialog (FS2002 edition: `createAirportDialog`), the support dialog, then the message loop.
// What escapes start-up is shown in the standard exception box. Returns the exit code, 0.
int RunProgram(fw::TApplication& app, MainContext context, const std::function<void()>& createAirportDialog);
