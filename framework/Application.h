#pragma once
// The application object: its title, the forms it owns, its message loop and its top-level
// exception box.
#include "framework/Backend.h"
#include "framework/Form.h"

#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fw {

class TApplication {
public:
    explicit TApplication(Backend& backend) : backend_(backend) {}
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    Backend& GetBackend() const { return backend_; }
    Messages& GetMessages() const { return backend_; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Creates a form owned by the application and stores it in `instance`; the first form created
    // becomes the main form. Forms are destroyed in reverse order when the application is.
    template <class T, class... Args> T& CreateForm(T*& instance, Args&&... args) {
        auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
        instance = form.get();
        if (!mainForm_)
            mainForm_ = form.get();
        forms_.push_back(std::move(form));
        return *instance;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form, then handles messages until the application is terminated; the mark is
    // tested after each message, so at least one is handled.
    void Run();
    void ProcessMessages() { backend_.ProcessMessages(*this); }
    // Posts the quit message; the loop stops once it is taken from the queue.
    void Terminate() { backend_.PostQuit(); }
    bool Terminated() const { return terminated_; }
    void MarkTerminated() { terminated_ = true; }

    // The standard exception box: the message (ending in a period), captioned with the title.
    void ShowException(const std::exception& error);
    // Shows the exception in flight; for catch blocks at window-procedure and entry boundaries.
    void HandleException(std::exception_ptr error);

private:
    Backend& backend_;
    std::string title_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

} // namespace fw
