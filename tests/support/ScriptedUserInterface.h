// The test double of the user interface: records every message and question
// and answers from queues set up by the test.
#pragma once

#include "platform/SecureWipe.h"
#include "zenthoLib/Base/UserInterface.h"

#include <deque>
#include <string>
#include <vector>

class ScriptedUserInterface : public IUserInterface {
public:
    struct PasswordAnswer {
        bool ok = true;
        std::string first, second, third;
    };

    // Answers, taken in order; when a queue is empty the answer is Cancel / IDOK for MB_OK.
    std::deque<int> messageAnswers;
    std::deque<PasswordAnswer> passwordAnswers;
    std::deque<std::string> saveFileAnswers; // an empty text cancels

    // What was shown.
    std::vector<std::string> messages;
    std::vector<UINT> messageTypes;
    std::vector<PasswordMode> passwordModes;
    std::vector<std::string> saveFileFilters;
    std::vector<int> quitRequests;

    int messageBox(const CString& text, UINT type) override
    {
        messages.push_back(text.str());
        messageTypes.push_back(type);
        if (!messageAnswers.empty()) {
            const int answer = messageAnswers.front();
            messageAnswers.pop_front();
            return answer;
        }
        return (type & 0xF) == MB_OK ? IDOK : IDCANCEL;
    }

    bool askPassword(PasswordMode mode, PasswordEntry& entry) override
    {
        passwordModes.push_back(mode);
        if (passwordAnswers.empty())
            return false;
        // The double wipes its copies like a real dialog, so that tests can
        // watch the program's own handling of passwords.
        PasswordAnswer& answer = passwordAnswers.front();
        entry.first = answer.first.c_str();
        entry.second = answer.second.c_str();
        entry.third = answer.third.c_str();
        const bool ok = answer.ok;
        for (std::string* text : {&answer.first, &answer.second, &answer.third})
            secureWipe(text->data(), text->size());
        passwordAnswers.pop_front();
        return ok;
    }

    bool chooseSaveFile(const CString& filter, const CString&, CString& path) override
    {
        saveFileFilters.push_back(filter.str());
        if (saveFileAnswers.empty())
            return false;
        const std::string answer = saveFileAnswers.front();
        saveFileAnswers.pop_front();
        if (answer.empty())
            return false;
        path = answer.c_str();
        return true;
    }

    void requestQuit(int exitCode) override { quitRequests.push_back(exitCode); }
};
