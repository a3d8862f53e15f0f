#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Every question the program puts to the person at the keyboard passes through one installed
// CPrompt: message boxes, file choosers, the shell's "open" and the modal run of a dialog.
// The program installs CQtPrompt at start; tests install a scripted prompt that answers for the user.

enum class MessageIcon
{
    None,
    Information,
    Exclamation,
    Question
};
enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel
};

// Answers, numbered as the program has always numbered them.
enum MessageAnswer
{
    IDOK = 1,
    IDCANCEL = 2,
    IDRETRY = 4,
    IDYES = 6,
    IDNO = 7
};

struct MessageRequest
{
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultAnswer = 0; // 0: the first button
};

struct FileRequest
{
    QWidget* owner = nullptr;
    bool save = false;
    QString title;
    // The program's filter form: "Description|*.a;*.b|Other|*.c|"
    QString filter;
    QString defaultName;
    QString defaultExtension;     // without the dot, added when the name has none
    bool promptOverwrite = false; // a chosen file that exists is replaced only after a question
};

class CPrompt
{
public:
    virtual ~CPrompt() = default;
    // Returns one of MessageAnswer.
    virtual int Message(const MessageRequest& request) = 0;
    // The chosen file's full path, or "" when the person cancelled. With promptOverwrite, a file that
    // exists is chosen only after "Do you want to replace it?" is answered Yes; No is the default
    // answer and offers the chooser again.
    QString ChooseFile(const FileRequest& request);
    // Opens the file with the program the desktop associates with it; with arguments, the path is a
    // program started with them.
    virtual bool ShellOpen(const QString& path, const QStringList& arguments = {}) = 0;
    // Runs the dialog modally; returns QDialog::Accepted or QDialog::Rejected.
    virtual int RunModal(QDialog& dialog) = 0;

protected:
    // The file chooser alone: it never asks about replacing a file; ChooseFile does.
    virtual QString AskForFile(const FileRequest& request) = 0;
};

// The installed prompt. Until one is installed nobody can answer, so every question is declined: a
// message box answers Cancel where it has that button, else No, else OK; file choosers and dialogs
// answer as cancelled, nothing is opened; each such question is written to the warning log.
CPrompt& Prompt();
// Installs a prompt (not owned; nullptr for none) and returns the one it replaces.
CPrompt* InstallPrompt(CPrompt* prompt);

// Shorthand for the common message box.
int ShowMessage(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon,
                MessageButtons buttons = MessageButtons::Ok, int defaultAnswer = 0);

// "Images (*.gif;*.jpg)|*.gif;*.jpg|" becomes Qt's "Images (*.gif *.jpg)" list, one entry a line.
QString QtFilterFromWindows(const QString& filter);
