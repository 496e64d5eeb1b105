#pragma once

#include <functional>
#include <string>
#include <vector>

#include "window/toolkit/toolkit_services.h"

// Toolkit services for tests: records every call, never sleeps or shows anything.
class RecordingToolkit : public toolkit::ToolkitServices {
  public:
    struct InputBoxCall {
        std::string prompt;
        std::string title;
        std::string defaultText;
    };
    struct Message {
        std::string title;
        std::string text;
    };

    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        inputBoxes.push_back({prompt, title, defaultText});
        return inputBoxAnswer;
    }
    void DoEvents() override {
        ++doEventsCount;
        if (onDoEvents) {
            onDoEvents();
        }
    }
    void UnloadWindow() override { ++unloadCount; }
    void Sleep(int milliseconds) override { sleeps.push_back(milliseconds); }
    void MessageBox(const std::string& title, const std::string& text) override {
        messages.push_back({title, text});
    }
    bool Confirm(const std::string& title, const std::string& text,
                 const std::string& acceptCaption) override {
        questions.push_back({title, text});
        acceptCaptions.push_back(acceptCaption);
        return confirmAnswer;
    }

    std::vector<InputBoxCall> inputBoxes;
    std::string inputBoxAnswer;
    int doEventsCount = 0;
    std::function<void()> onDoEvents;  // stands for what the user does meanwhile
    int unloadCount = 0;
    std::vector<int> sleeps;
    std::vector<Message> messages;
    std::vector<Message> questions;
    std::vector<std::string> acceptCaptions;  // one for each question
    bool confirmAnswer = true;
};
