#pragma once

#include "platform/CPrompt.h"

// The prompt the program runs with: Qt's message box, file dialog and desktop services.
class CQtPrompt final : public CPrompt
{
public:
    int Message(const MessageRequest& request) override;
    QString ChooseFile(const FileRequest& request) override;
    bool ShellOpen(const QString& path) override;
    int RunModal(QDialog& dialog) override;
};
