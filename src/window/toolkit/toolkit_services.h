#pragma once

#include <string>

// The toolkit's services that are not controls. The front end implements them;
// tests install a recorder.
namespace toolkit {

class ToolkitServices {
  public:
    virtual ~ToolkitServices() = default;

    // A modal dialog with a prompt, a title and an editable one-line text; returns the
    // text when OK closed it, empty on Cancel.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    // Lets the window process its pending events once.
    virtual void DoEvents() = 0;
    // Takes the window down after its unload handler ran; the program then ends.
    virtual void UnloadWindow() = 0;
    virtual void Sleep(int milliseconds) = 0;
    // A modal message the user acknowledges.
    virtual void MessageBox(const std::string& title, const std::string& text) = 0;
    // A modal question whose accepting button says what it does (`acceptCaption`, "Send
    // firmware"): true when the user chose it, false on Cancel or a close.
    virtual bool Confirm(const std::string& title, const std::string& text,
                         const std::string& acceptCaption) = 0;
};

}  // namespace toolkit
