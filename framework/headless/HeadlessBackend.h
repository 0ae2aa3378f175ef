#pragma once
// A backend without windows, for native tests. The message queue holds what the user will do
// next (posted actions); message boxes and modal forms are answered by scripts; everything shown
// is recorded so that tests can check it.
#include "framework/Backend.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace fw {

class HeadlessBackend : public Backend {
public:
    struct Box {
        MsgKind kind;
        std::string text;
        std::string caption;
    };
    using BoxAnswer = std::function<MsgResult(const Box&)>;
    using ModalScript = std::function<void(TForm&)>;

    // The next message box gets this answer (or runs this action while it is on screen).
    void AnswerNextBox(MsgResult answer);
    void AnswerNextBox(BoxAnswer answer);
    // The next modal show of a form runs this script, which plays the user (clicks, closes).
    void OnNextModal(ModalScript script);
    // A user action that the message loop handles as its next message.
    void Post(std::function<void()> action);

    const std::vector<Box>& Boxes() const { return boxes_; }
    void ClearBoxes() { boxes_.clear(); }
    // Questions nobody had an answer for, modal shows without a script, and similar test faults.
    const std::vector<std::string>& Faults() const { return faults_; }
    bool QuitPosted() const { return quitPosted_; }
    int ModalShows() const { return modalShows_; }

    MsgResult Show(MsgKind kind, const std::string& text, const std::string& caption) override;
    void CreatePeers(TForm&) override {}
    void DestroyPeers(TForm&) override {}
    void ShowWindow(TForm&) override {}
    void HideWindow(TForm&) override {}
    void RunModal(TApplication& app, TForm& form) override;
    void HandleMessage(TApplication& app) override;
    void ProcessMessages(TApplication& app) override;
    void PostQuit() override { quitPosted_ = true; }

private:
    std::vector<Box> boxes_;
    std::deque<BoxAnswer> answers_;
    std::deque<ModalScript> modalScripts_;
    std::deque<std::function<void()>> queue_;
    std::vector<std::string> faults_;
    bool quitPosted_ = false;
    int modalShows_ = 0;
};

} // namespace fw
