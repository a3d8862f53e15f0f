#pragma once

#include "platform/CPrompt.h"

// The prompt the program runs with: Qt's message box, file dialog and desktop services.
//
// On a platform without a screen (offscreen, minimal) nobody can see or answer a prompt, so a
// prompt that is not interactive does not wait: it writes the message to standard error and answers
// with the default button; file choosers and dialogs answer as cancelled.
class CQtPrompt final : public CPrompt
{
public:
    CQtPrompt();
    explicit CQtPrompt(bool interactive);

    bool IsInteractive() const { return m_interactive; }

    int Message(const MessageRequest& request) override;
    bool ShellOpen(const QString& path, const QStringList& arguments) override;
    int RunModal(QDialog& dialog) override;

protected:
    QString AskForFile(const FileRequest& request) override;

private:
    bool m_interactive;
};
