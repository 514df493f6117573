// The host's message boxes in a test without windows: every text shown is remembered
// with its kind ("error: ...", "question: ..."), and questions are answered as told.
// Install with FormKernel::installMessageBoxes(std::make_shared<RecordedBoxes>()).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "forms/FormKernel.h"

namespace TestSupport {

class RecordedBoxes : public FormKernel::IMessageBoxes {
public:
    void information(const std::string& text) override { shown.push_back("information: " + text); }
    void warning(const std::string& text) override { shown.push_back("warning: " + text); }
    void error(const std::string& text) override { shown.push_back("error: " + text); }
    // Takes the next of `answers`; `otherwise` once they run out.
    bool question(const std::string& text) override {
        shown.push_back("question: " + text);
        if (answers.empty()) return otherwise;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> shown;
    std::deque<bool> answers;
    bool otherwise = false;
};

}  // namespace TestSupport
