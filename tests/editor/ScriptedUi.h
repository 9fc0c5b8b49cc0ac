// The file commands' questions answered from a script, with everything asked recorded.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "editor/doc/FileCommands.h"

namespace tarn::editor::testing {

class ScriptedUi : public EditorUi {
  public:
    PromptAnswer AskSaveChanges() override {
        ++prompts;
        return answer;
    }
    std::string AskOpenFileName(const std::string& initialName, FileFilter filter) override {
        offered.push_back(initialName);
        filters.push_back(filter);
        return Next();
    }
    std::string AskSaveFileName(const std::string& initialName, FileFilter filter) override {
        offered.push_back(initialName);
        filters.push_back(filter);
        return Next();
    }
    bool AskYesNo(const std::string& question) override {
        questions.push_back(question);
        return yes;
    }
    void ReportError(const std::string& text) override { errors.push_back(text); }
    void Inform(const UserMessage& message) override { errors.push_back(message.text); }

    std::string Next() {
        if (names.empty()) {
            return {};
        }
        std::string name = names.front();
        names.pop_front();
        return name;
    }

    PromptAnswer answer = PromptAnswer::Cancel;
    bool yes = false;  // the answer to yes/no questions
    std::vector<std::string> questions;
    int prompts = 0;
    std::deque<std::string> names;  // dialog answers; "" = cancelled
    std::vector<std::string> offered;
    std::vector<FileFilter> filters;
    std::vector<std::string> errors;
};

}  // namespace tarn::editor::testing
