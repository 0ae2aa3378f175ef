#include "framework/Application.h"

namespace fw {

TApplication::~TApplication() {
    while (!forms_.empty())
        forms_.pop_back();
}

void TApplication::Run() {
    if (!mainForm_)
        return;
    try {
        mainForm_->Show();
    } catch (...) {
        HandleException(std::current_exception());
    }
    do {
        backend_.HandleMessage(*this);
    } while (!terminated_);
}

void TApplication::ShowException(const std::exception& error) {
    std::string message = error.what();
    if (!message.empty() && message.back() != '.')
        message += '.';
    backend_.Show(MsgKind::Error, message, title_);
}

void TApplication::HandleException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(std::runtime_error("Unknown error"));
    }
}

} // namespace fw
