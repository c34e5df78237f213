#pragma once
// ScriptedDialogs: the test double of Dialogs. Records every message, input
// prompt and file chooser, and answers from queues; with an empty queue a
// message box gets its default button and an input box or chooser is
// cancelled. Answers still queued
// when it goes away mean the code asked fewer questions than the test
// expected: the test fails (through Qt Test in tst_* programs, which are
// built with TESSAMO_QT_TEST, else through GoogleTest).
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

#ifdef TESSAMO_QT_TEST
#include <QTest>
#else
#include <gtest/gtest.h>
#endif

namespace tessamo {

inline void FailUnusedAnswers(const std::string& what) {
#ifdef TESSAMO_QT_TEST
    QTest::qFail(what.c_str(), __FILE__, __LINE__);
#else
    ADD_FAILURE() << what;
#endif
}

class ScriptedDialogs : public Dialogs {
public:
    struct Prompt {
        std::string prompt, title, defaultText;
        bool secret = false;
    };

    ScriptedDialogs() = default;
    ScriptedDialogs(const ScriptedDialogs&) = default;
    // Starting over (dialogs = ScriptedDialogs()) checks the queues first.
    ScriptedDialogs& operator=(const ScriptedDialogs& other) {
        CheckAllAnswersUsed();
        answers = other.answers;
        inputs = other.inputs;
        files = other.files;
        messages = other.messages;
        prompts = other.prompts;
        choosers = other.choosers;
        return *this;
    }
    ~ScriptedDialogs() override { CheckAllAnswersUsed(); }

    void CheckAllAnswersUsed() const {
        if (!answers.empty() || !inputs.empty() || !files.empty())
            FailUnusedAnswers(std::to_string(answers.size()) + " message answer(s), " +
                              std::to_string(inputs.size()) + " input answer(s) and " +
                              std::to_string(files.size()) + " chosen file(s) queued but never asked for");
    }

    Answer Show(const Message& message) override {
        messages.push_back(message);
        if (answers.empty()) return message.defaultButton;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override {
        prompts.push_back({prompt, title, defaultText});
        return NextInput();
    }
    std::optional<std::string> SecretInput(const std::string& prompt, const std::string& title,
                                           const std::string& defaultText) override {
        prompts.push_back({prompt, title, defaultText, true});
        return NextInput();
    }
    std::optional<std::string> ChooseFile(const FileChooser& chooser) override {
        choosers.push_back(chooser);
        if (files.empty()) return std::nullopt;
        auto chosen = files.front();
        files.pop_front();
        return chosen;
    }
    std::optional<std::string> NextInput() {
        if (inputs.empty()) return std::nullopt;
        auto a = inputs.front();
        inputs.pop_front();
        return a;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages) texts.push_back(m.text);
        return texts;
    }
    const Message& Last() const { return messages.back(); }

    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> inputs;
    std::deque<std::optional<std::string>> files;  // what the choosers answer
    std::vector<Message> messages;
    std::vector<Prompt> prompts;
    std::vector<FileChooser> choosers;
};

}  // namespace tessamo
