#pragma once

#include "data/AppPaths.h"
#include "platform/CPrompt.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// The prompt a test installs for as long as it lives: it answers from a script, in order, records
// what was shown, and collects problems (a prompt nobody scripted, a check that fails, an answer
// left unused). A RunModal dialog is shown without a modal loop and handed to its handler, which
// presses OK or Cancel itself.
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

    // One scripted answer and the checks of what is asked; each check compares exactly.
    struct Step
    {
        Kind kind = Kind::Message;
        int answer = 0;                        // Message: the answer; ShellOpen: nonzero succeeds
        QString path;                          // File: the chosen path ("" cancels)
        std::function<void(QDialog&)> handler; // Modal
        std::optional<QString> text, textPart, caption, filter, defaultName, defaultExtension, openedPath,
            dialogClass; // dialogClass: the modal dialog's class name, e.g. "CAboutDlg"
        std::optional<MessageIcon> icon;
        std::optional<MessageButtons> buttons;
        std::optional<int> defaultAnswer;
        std::optional<const QWidget*> owner; // the message's or chooser's owner, the dialog's parent
        std::optional<bool> save, promptOverwrite;

        Step& Text(const QString& value) { return Set(text, value); }
        Step& TextId(int stringId) { return Text(LoadResString(stringId)); }
        Step& TextContains(const QString& part) { return Set(textPart, part); }
        Step& Caption(const QString& value) { return Set(caption, value); } // or the title
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

    struct Record
    {
        Kind kind = Kind::Message;
        MessageRequest message; // Message
        QStringList arguments;  // ShellOpen
    };

    CScriptedPrompt();
    ~CScriptedPrompt() override;
    Q_DISABLE_COPY_MOVE(CScriptedPrompt)

    // The script. The returned step stays valid until the prompt it answers is shown.
    Step& ExpectMessage(int answer) { return Add(Kind::Message, answer); }
    Step& ExpectFile(const QString& path);
    Step& ExpectShellOpen(bool succeeds = true) { return Add(Kind::ShellOpen, succeeds ? 1 : 0); }
    Step& ExpectModal(std::function<void(QDialog&)> handler);
    template <typename T> Step& ExpectModalOf(std::function<void(T&)> handler)
    {
        return ExpectModal([this, handler](QDialog& dialog) {
            if (T* typed = dynamic_cast<T*>(&dialog))
                return handler(*typed);
            AddProblem(QStringLiteral("dialog %1 is not of the expected class")
                           .arg(QLatin1String(dialog.metaObject()->className())));
            dialog.reject();
        });
    }

    // For handlers: click OK or Cancel (of a button box, or a button of that text), or a visible
    // button by its text without "&". False, and a problem, when there is none or it is disabled.
    bool PressOk(QDialog& dialog);
    bool PressCancel(QDialog& dialog);
    bool PressButton(QWidget& window, const QString& text);
    // OK refused with that information message: true when the dialog is still open afterwards.
    bool RefusedOnOk(QDialog& dialog, const QString& message);

    const QList<Record>& Shown() const { return m_shown; }
    QStringList MessageTexts() const;
    int Remaining() const { return int(m_script.size()); }
    // True when every prompt was expected, every check held and every answer was used.
    bool Verify() const { return m_problems.isEmpty() && m_script.empty(); }
    QString Problems() const;
    void AddProblem(const QString& problem) { m_problems += problem; }

    int Message(const MessageRequest& request) override;
    bool ShellOpen(const QString& path, const QStringList& arguments) override;
    int RunModal(QDialog& dialog) override;

protected:
    QString AskForFile(const FileRequest& request) override;

private:
    Step& Add(Kind kind, int answer = 0);
    // The next step when it is of this kind; records a problem about `what` otherwise.
    std::optional<Step> Take(Kind kind, const QString& what);
    template <typename T>
    void Check(const QString& what, const char* field, const T& actual, const std::optional<T>& wanted);

    CPrompt* m_previous;
    std::deque<Step> m_script;
    QList<Record> m_shown;
    QStringList m_problems;
};
