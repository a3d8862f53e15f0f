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
// as if the person closed it), a check that does not hold, an answer left over. Typical use:
//
//     CScriptedPrompt prompt;
//     prompt.ExpectMessage(IDNO).TextId(IDS_FIRST_RUN_QUESTION).Icon(MessageIcon::Question);
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

        std::optional<QString> text, textPart;     // Message
        std::optional<QString> caption;            // Message caption, file chooser or dialog title
        std::optional<MessageIcon> icon;           // Message
        std::optional<MessageButtons> buttons;     // Message
        std::optional<int> defaultAnswer;          // Message
        std::optional<const QWidget*> owner;       // Message, File, Modal (the dialog's parent)
        std::optional<bool> save, promptOverwrite; // File
        std::optional<QString> filter, defaultName, defaultExtension; // File
        std::optional<QString> openedPath;                            // ShellOpen
        std::optional<QString> dialogClass; // Modal: the class name, e.g. "CAboutDlg"

        Step& Text(const QString& value) { return Set(text, value); }
        Step& TextId(int stringId);
        Step& TextContains(const QString& part) { return Set(textPart, part); }
        Step& Caption(const QString& value) { return Set(caption, value); }
        Step& Icon(MessageIcon value) { return Set(icon, value); }
        Step& Buttons(MessageButtons value) { return Set(buttons, value); }
        Step& DefaultAnswer(int value) { return Set(defaultAnswer, value); }
        Step& Owner(const QWidget* value) { return Set(owner, value); }
        Step& Save(bool value) { return Set(save, value); }
        Step& Filter(const QString& value) { return Set(filter, value); }
        Step& DefaultName(const QString& value) { return Set(defaultName, value); }
        Step& DefaultExtension(const QString& value) { return Set(defaultExtension, value); }
        Step& PromptOverwrite(bool value) { return Set(promptOverwrite, value); }
        Step& Path(const QString& value) { return Set(openedPath, value); }
        Step& DialogClass(const QString& value) { return Set(dialogClass, value); }

    private:
        template <typename T, typename V> Step& Set(std::optional<T>& field, const V& value)
        {
            field = value;
            return *this;
        }
    };

    // What was shown, in order.
    struct Record
    {
        Kind kind = Kind::Message;
        MessageRequest message; // Message
        FileRequest file;       // File
        QString path;           // ShellOpen: the path opened
        QStringList arguments;  // ShellOpen: the program's arguments
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
                return handler(*typed);
            }
            AddProblem(QStringLiteral("dialog %1 is not of the expected class")
                           .arg(QString::fromLatin1(dialog.metaObject()->className())));
            dialog.reject();
        });
    }

    // For handlers: click the dialog's OK or Cancel (in a QDialogButtonBox, or a push button showing
    // that text) or a visible button by its text without "&". False, and a problem, when there is none.
    bool PressOk(QDialog& dialog);
    bool PressCancel(QDialog& dialog);
    bool PressButton(QWidget& window, const QString& text);

    const QList<Record>& Shown() const { return m_shown; }
    QStringList MessageTexts() const;
    int Remaining() const { return int(m_script.size()); }

    // True when every prompt was expected, every check held and every answer was used.
    bool Verify() const;
    QString Problems() const;
    void AddProblem(const QString& problem) { m_problems += problem; }

    int Message(const MessageRequest& request) override;
    bool ShellOpen(const QString& path, const QStringList& arguments) override;
    int RunModal(QDialog& dialog) override;

protected:
    QString AskForFile(const FileRequest& request) override;

private:
    Step& Add(Kind kind);
    Record& Show(Kind kind);
    // The next step when it is of this kind; records a problem about `what` otherwise.
    std::optional<Step> Take(Kind kind, const QString& what);
    template <typename T>
    void Check(const QString& what, const char* field, const T& actual, const std::optional<T>& wanted);

    CPrompt* m_previous;
    std::deque<Step> m_script;
    QList<Record> m_shown;
    QStringList m_problems;
    mutable bool m_verified = false;
};
