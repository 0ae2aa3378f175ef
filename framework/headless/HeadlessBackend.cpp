#include "framework/headless/HeadlessBackend.h"

#include "framework/Application.h"
#include "framework/Form.h"

namespace fw {

void HeadlessBackend::AnswerNextBox(MsgResult answer) {
    answers_.push_back([answer](const Box&) { return answer; });
}

void HeadlessBackend::AnswerNextBox(BoxAnswer answer) {
    answers_.push_back(std::move(answer));
}

void HeadlessBackend::OnNextModal(ModalScript script) {
    modalScripts_.push_back(std::move(script));
}

void HeadlessBackend::Post(std::function<void()> action) {
    queue_.push_back(std::move(action));
}

MsgResult HeadlessBackend::Show(MsgKind kind, const std::string& text, const std::string& caption) {
    boxes_.push_back({kind, text, caption});
    if (!answers_.empty()) {
        BoxAnswer answer = std::move(answers_.front());
        answers_.pop_front();
        return answer(boxes_.back());
    }
    if (kind == MsgKind::Question) {
        faults_.push_back("unanswered question: " + text);
        return MsgResult::No;
    }
    return MsgResult::Ok;
}

void HeadlessBackend::RunModal(TApplication& app, TForm& form) {
    ++modalShows_;
    if (modalScripts_.empty()) {
        faults_.push_back("modal show of " + form.Name() + " without a script");
    } else {
        ModalScript script = std::move(modalScripts_.front());
        modalScripts_.pop_front();
        try {
            script(form);
        } catch (...) {
            app.HandleException(std::current_exception());
        }
    }
    if (form.ModalResult() == mrNone) {
        faults_.push_back("modal show of " + form.Name() + " left open");
        form.SetModalResult(mrCancel);
    }
}

void HeadlessBackend::HandleMessage(TApplication& app) {
    if (quitPosted_ || queue_.empty()) {
        // With no more user actions the session is over, as if the user had left.
        app.MarkTerminated();
        return;
    }
    std::function<void()> action = std::move(queue_.front());
    queue_.pop_front();
    try {
        action();
    } catch (...) {
        app.HandleException(std::current_exception());
    }
    if (quitPosted_)
        app.MarkTerminated();
}

void HeadlessBackend::ProcessMessages(TApplication& app) {
    if (quitPosted_)
        app.MarkTerminated();
}

} // namespace fw
