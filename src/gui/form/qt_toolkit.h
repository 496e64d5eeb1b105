#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "window/toolkit/toolkit_services.h"

// The toolkit services on Qt: dialogs, event processing, sleeping, and taking the
// main widget down when the window unloads.
namespace gui {

class FormWidget;

class QtToolkitServices : public toolkit::ToolkitServices {
  public:
    // The main widget: parent of the dialogs, shown up to date before a dialog opens
    // and before events are processed, and closed when the window unloads.
    void setMainWidget(FormWidget* widget);

    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void DoEvents() override;
    void UnloadWindow() override;
    void Sleep(int milliseconds) override;
    void MessageBox(const std::string& title, const std::string& text) override;
    bool Confirm(const std::string& title, const std::string& text,
                 const std::string& acceptCaption) override;

  private:
    void showModelState();

    QPointer<FormWidget> mainWidget_;
};

}  // namespace gui
