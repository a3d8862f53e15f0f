#pragma once

#include "platform/CPrompt.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// The prompt a test installs for as long as it lives. It answers from a script, in order, records
// every prompt the program shows, and collects problems: a prompt the script did not expect (answered
// as if the person closed it: Cancel, No, OK where it is the only button, "" for a file, Rejected for
// a dialog), a check that does not hold, an answer left over. Typical use:
//
//     CScriptedPrompt prompt;
//     prompt.ExpectMessage(IDNO).TextId(IDS_FIRST_RUN_QUESTION).Icon(MessageIcon::Question).DefaultAnswer(IDNO);
//     prompt.ExpectModal([&](QDialog& dialog) { ...fill fields...; prompt.PressOk(dialog); });
//     ...run the code...
//     QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
class CScriptedPrompt final : public CPrompt
{
public:
    enum class Kind
    {
        Message,
        File,
        ShellOpen,
        Modal
    };

    // One scripted answer, with optional checks of what is asked; each check compares exactly.
    struct Step
    {
        Kind kind = Kind::Message;
        int answer = 0;                        // Message: the answer; ShellOpen: nonzero succeeds
        QString path;                          // File: the chosen path ("" cancels)
        std::function<void(QDialog&)> handler; // Modal

        std::optional<QString> text;             // Message
        std::optional<QString> textPart;         // Message
        std::optional<QString> caption;          // Message caption, file chooser or dialog title
        std::optional<MessageIcon> icon;         // Message
        std::optional<MessageButtons> buttons;   // Message
        std::optional<int> defaultAnswer;        // Message
        std::optional<const QWidget*> owner;     // Message, File, Modal (the dialog's parent)
        std::optional<bool> save;                // File
        std::optional<QString> filter;           // File, in the program's "a|*.x|" form
        std::optional<QString> defaultName;      // File
        std::optional<QString> defaultExtension; // File
        std::optional<bool> promptOverwrite;     // File
        std::optional<QString> openedPath;       // ShellOpen
        std::optional<QString> dialogClass;      // Modal: the class name, e.g. "CAboutDlg"

        Step& Text(const QString& value)
        {
            text = value;
            return *this;
        }
        Step& TextId(int stringId);
        Step& TextContains(const QString& part)
        {
            textPart = part;
            return *this;
        }
        Step& Caption(const QString& value)
        {
            caption = value;
            return *this;
        }
        Step& Icon(MessageIcon value)
        {
            icon = value;
            return *this;
        }
        Step& Buttons(MessageButtons value)
        {
            buttons = value;
            return *this;
        }
        Step& DefaultAnswer(int value)
        {
            defaultAnswer = value;
            return *this;
        }
        Step& Owner(const QWidget* value)
        {
            owner = value;
            return *this;
        }
        Step& Save(bool value)
        {
            save = value;
            return *this;
        }
        Step& Filter(const QString& value)
        {
            filter = value;
            return *this;
        }
        Step& DefaultName(const QString& value)
        {
            defaultName = value;
            return *this;
        }
        Step& DefaultExtension(const QString& value)
        {
            defaultExtension = value;
            return *this;
        }
        Step& PromptOverwrite(bool value)
        {
            promptOverwrite = value;
            return *this;
        }
        Step& Path(const QString& value)
        {
            openedPath = value;
            return *this;
        }
        Step& DialogClass(const QString& value)
        {
            dialogClass = value;
            return *this;
        }
    };

    // What was shown, in order.
    struct Record
    {
        Kind kind = Kind::Message;
        MessageRequest message;               // Message
        FileRequest file;                     // File
        QString path;                         // File: the path answered; ShellOpen: the path opened
        QStringList arguments;                // ShellOpen: the program's arguments
        QString dialogClass;                  // Modal
        QString dialogTitle;                  // Modal
        const QWidget* dialogOwner = nullptr; // Modal
        int answer = 0;                       // Message: the answer given; Modal: the dialog's result
        bool expected = false;                // a scripted answer was used
    };

    CScriptedPrompt();
    ~CScriptedPrompt() override;
    Q_DISABLE_COPY_MOVE(CScriptedPrompt)

    // The script. The returned step stays valid until the prompt it answers is shown.
    Step& ExpectMessage(int answer);
    Step& ExpectFile(const QString& path);
    Step& ExpectShellOpen(bool succeeds = true);
    // RunModal shows the dialog without a modal loop, calls the handler, which presses OK or Cancel
    // itself (its own prompts come from the same script), and returns the dialog's result. A dialog
    // still open after the handler is a problem, and is rejected.
    Step& ExpectModal(std::function<void(QDialog&)> handler);
    template <typename T> Step& ExpectModalOf(std::function<void(T&)> handler)
    {
        return ExpectModal([this, handler](QDialog& dialog) {
            if (T* typed = dynamic_cast<T*>(&dialog)) {
                handler(*typed);
                return;
            }
            AddProblem(QStringLiteral("dialog %1 is not of the expected class")
                           .arg(QString::fromLatin1(dialog.metaObject()->className())));
            dialog.reject();
        });
    }

    // For handlers: click the dialog's OK or Cancel (in a QDialogButtonBox, or a push button showing
    // that text) or a push button by its text without "&". False, and a problem, when there is none.
    bool PressOk(QDialog& dialog);
    bool PressCancel(QDialog& dialog);
    bool PressButton(QWidget& window, const QString& text);

    const QList<Record>& Shown() const { return m_shown; }
    QStringList MessageTexts() const;
    int Remaining() const { return int(m_script.size()); }

    // True when every prompt was expected, every check held and every answer was used.
    bool Verify() const;
    QString Problems() const;
    void AddProblem(const QString& problem);

    int Message(const MessageRequest& request) override;
    QString ChooseFile(const FileRequest& request) override;
    bool ShellOpen(const QString& path, const QStringList& arguments) override;
    int RunModal(QDialog& dialog) override;

private:
    Step& Add(Kind kind);
    std::optional<Step> Take(Kind kind, int recordIndex);
    void Check(const Step& step, int recordIndex);
    void CheckValue(int recordIndex, const char* what, const QString& actual,
                    const std::optional<QString>& expected);
    QString Describe(int recordIndex) const;

    CPrompt* m_previous;
    std::deque<Step> m_script;
    QList<Record> m_shown;
    QStringList m_problems;
    mutable bool m_verified = false;
};
