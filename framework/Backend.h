#pragma once
// What the framework needs from a windowing system. Two implementations: the Win32 backend
// (real windows, the programs) and the headless backend (native tests).
#include "framework/Messages.h"

namespace fw {

class TApplication;
class TForm;

class Backend : public Messages {
public:
    // Builds the native counterparts of a form and its controls (called once, after the form's
    // controls exist) and removes them again.
    virtual void CreatePeers(TForm& form) = 0;
    virtual void DestroyPeers(TForm& form) = 0;
    virtual void ShowWindow(TForm& form) = 0;
    virtual void HideWindow(TForm& form) = 0;
    // Shows the form modally (its OnShow already raised) and runs a nested message loop until the
    // form's ModalResult is not mrNone or the application is terminated; then hides it.
    virtual void RunModal(TApplication& app, TForm& form) = 0;
    // Handles one message, waiting for one unless the application is already terminated.
    // Taking the quit message marks the application terminated.
    virtual void HandleMessage(TApplication& app) = 0;
    // Handles every pending message without waiting.
    virtual void ProcessMessages(TApplication& app) = 0;
    // Posts the quit message with exit code 0.
    virtual void PostQuit() = 0;
};

} // namespace fw
