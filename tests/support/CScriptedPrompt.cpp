#include "CScriptedPrompt.h"

#include "data/AppPaths.h"

#include <QAbstractButton>
#include <QDebug>
#include <QDialogButtonBox>
#include <QPushButton>

namespace {

QString KindName(CScriptedPrompt::Kind kind)
{
    switch (kind) {
    case CScriptedPrompt::Kind::Message:
        return QStringLiteral("message");
    case CScriptedPrompt::Kind::File:
        return QStringLiteral("file choice");
    case CScriptedPrompt::Kind::ShellOpen:
        return QStringLiteral("shell open");
    case CScriptedPrompt::Kind::Modal:
        return QStringLiteral("modal dialog");
    }
    return QString();
}

QList<int> AnswersOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {IDOK};
    case MessageButtons::OkCancel:
        return {IDOK, IDCANCEL};
    case MessageButtons::YesNo:
        return {IDYES, IDNO};
    case MessageButtons::YesNoCancel:
        return {IDYES, IDNO, IDCANCEL};
    case MessageButtons::RetryCancel:
        return {IDRETRY, IDCANCEL};
    }
    return {IDOK};
}

// The answer of a box the person closed: Cancel where there is one, else No, else OK.
int ClosedAnswer(MessageButtons buttons)
{
    const QList<int> answers = AnswersOf(buttons);
    if (answers.contains(IDCANCEL))
        return IDCANCEL;
    return answers.contains(IDNO) ? IDNO : IDOK;
}

QString Shortened(const QString& text)
{
    const QString flat = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat.size() > 70 ? flat.left(67) + QStringLiteral("...") : flat;
}

QString WithoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

CScriptedPrompt::Step& CScriptedPrompt::Step::TextId(int stringId)
{
    text = LoadResString(stringId);
    return *this;
}

CScriptedPrompt::CScriptedPrompt() : m_previous(InstallPrompt(this)) {}

CScriptedPrompt::~CScriptedPrompt()
{
    InstallPrompt(m_previous);
    if (!m_verified && !Verify())
        qWarning().noquote() << "CScriptedPrompt was never verified and has problems:\n" << Problems();
}

CScriptedPrompt::Step& CScriptedPrompt::Add(Kind kind)
{
    m_script.emplace_back();
    m_script.back().kind = kind;
    return m_script.back();
}

CScriptedPrompt::Step& CScriptedPrompt::ExpectMessage(int answer)
{
    Step& step = Add(Kind::Message);
    step.answer = answer;
    return step;
}

CScriptedPrompt::Step& CScriptedPrompt::ExpectFile(const QString& path)
{
    Step& step = Add(Kind::File);
    step.path = path;
    return step;
}

CScriptedPrompt::Step& CScriptedPrompt::ExpectShellOpen(bool succeeds)
{
    Step& step = Add(Kind::ShellOpen);
    step.answer = succeeds ? 1 : 0;
    return step;
}

CScriptedPrompt::Step& CScriptedPrompt::ExpectModal(std::function<void(QDialog&)> handler)
{
    Step& step = Add(Kind::Modal);
    step.handler = std::move(handler);
    return step;
}

bool CScriptedPrompt::PressOk(QDialog& dialog)
{
    const auto* box = dialog.findChild<QDialogButtonBox*>();
    if (QPushButton* ok = box ? box->button(QDialogButtonBox::Ok) : nullptr) {
        ok->click();
        return true;
    }
    return PressButton(dialog, QStringLiteral("OK"));
}

bool CScriptedPrompt::PressCancel(QDialog& dialog)
{
    const auto* box = dialog.findChild<QDialogButtonBox*>();
    if (QPushButton* cancel = box ? box->button(QDialogButtonBox::Cancel) : nullptr) {
        cancel->click();
        return true;
    }
    return PressButton(dialog, QStringLiteral("Cancel"));
}

bool CScriptedPrompt::PressButton(QWidget& window, const QString& text)
{
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (WithoutMnemonic(button->text()) == WithoutMnemonic(text) && button->isVisible()) {
            if (!button->isEnabled()) {
                AddProblem(QStringLiteral("button \"%1\" is disabled").arg(text));
                return false;
            }
            button->click();
            return true;
        }
    }
    AddProblem(QStringLiteral("no button \"%1\" in %2").arg(text, window.windowTitle()));
    return false;
}

QStringList CScriptedPrompt::MessageTexts() const
{
    QStringList texts;
    for (const Record& record : m_shown) {
        if (record.kind == Kind::Message)
            texts += record.message.text;
    }
    return texts;
}

bool CScriptedPrompt::Verify() const
{
    m_verified = true;
    return m_problems.isEmpty() && m_script.empty();
}

QString CScriptedPrompt::Problems() const
{
    QStringList all = m_problems;
    for (const Step& step : m_script) {
        all += QStringLiteral("scripted %1 was never asked for%2")
                   .arg(KindName(step.kind),
                        step.text ? QStringLiteral(": \"%1\"").arg(Shortened(*step.text)) : QString());
    }
    return all.join(QLatin1Char('\n'));
}

void CScriptedPrompt::AddProblem(const QString& problem)
{
    m_problems += problem;
}

int CScriptedPrompt::Message(const MessageRequest& request)
{
    Record record;
    record.kind = Kind::Message;
    record.message = request;
    m_shown += record;
    const int index = int(m_shown.size()) - 1;
    const std::optional<Step> step = Take(Kind::Message, index);
    int answer = ClosedAnswer(request.buttons);
    if (step) {
        Check(*step, index);
        if (AnswersOf(request.buttons).contains(step->answer))
            answer = step->answer;
        else
            AddProblem(QStringLiteral("%1: scripted answer %2 is not one of its buttons")
                           .arg(Describe(index))
                           .arg(step->answer));
    }
    m_shown[index].answer = answer;
    return answer;
}

QString CScriptedPrompt::ChooseFile(const FileRequest& request)
{
    Record record;
    record.kind = Kind::File;
    record.file = request;
    m_shown += record;
    const int index = int(m_shown.size()) - 1;
    const std::optional<Step> step = Take(Kind::File, index);
    if (step)
        Check(*step, index);
    const QString path = step ? step->path : QString();
    m_shown[index].path = path;
    return path;
}

bool CScriptedPrompt::ShellOpen(const QString& path, const QStringList& arguments)
{
    Record record;
    record.kind = Kind::ShellOpen;
    record.path = path;
    record.arguments = arguments;
    m_shown += record;
    const int index = int(m_shown.size()) - 1;
    const std::optional<Step> step = Take(Kind::ShellOpen, index);
    if (step)
        Check(*step, index);
    return step && step->answer != 0;
}

int CScriptedPrompt::RunModal(QDialog& dialog)
{
    Record record;
    record.kind = Kind::Modal;
    record.dialogClass = QString::fromLatin1(dialog.metaObject()->className());
    record.dialogOwner = dialog.parentWidget();
    m_shown += record;
    const int index = int(m_shown.size()) - 1;
    const std::optional<Step> step = Take(Kind::Modal, index);
    if (!step) {
        m_shown[index].dialogTitle = dialog.windowTitle();
        return QDialog::Rejected;
    }
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    m_shown[index].dialogTitle = dialog.windowTitle();
    Check(*step, index);
    if (step->handler)
        step->handler(dialog);
    if (dialog.isVisible()) {
        AddProblem(QStringLiteral("%1 was still open after its handler").arg(Describe(index)));
        dialog.reject();
    }
    m_shown[index].answer = dialog.result();
    return dialog.result();
}

std::optional<CScriptedPrompt::Step> CScriptedPrompt::Take(Kind kind, int recordIndex)
{
    if (m_script.empty()) {
        AddProblem(QStringLiteral("unexpected %1").arg(Describe(recordIndex)));
        return std::nullopt;
    }
    if (m_script.front().kind != kind) {
        AddProblem(QStringLiteral("unexpected %1 while a %2 was scripted")
                       .arg(Describe(recordIndex), KindName(m_script.front().kind)));
        return std::nullopt;
    }
    Step step = std::move(m_script.front());
    m_script.pop_front();
    m_shown[recordIndex].expected = true;
    return step;
}

void CScriptedPrompt::Check(const Step& step, int recordIndex)
{
    const Record& record = m_shown[recordIndex];
    const auto checkEqual = [this, recordIndex](const char* what, auto actual, auto expected) {
        if (expected && *expected != actual)
            AddProblem(QStringLiteral("%1: %2 differs from the script")
                           .arg(Describe(recordIndex), QLatin1String(what)));
    };
    switch (step.kind) {
    case Kind::Message:
        CheckValue(recordIndex, "text", record.message.text, step.text);
        if (step.textPart && !record.message.text.contains(*step.textPart))
            AddProblem(QStringLiteral("%1: text lacks \"%2\"").arg(Describe(recordIndex), *step.textPart));
        CheckValue(recordIndex, "caption", record.message.caption, step.caption);
        checkEqual("icon", record.message.icon, step.icon);
        checkEqual("buttons", record.message.buttons, step.buttons);
        checkEqual("default answer", record.message.defaultAnswer, step.defaultAnswer);
        checkEqual("owner", static_cast<const QWidget*>(record.message.owner), step.owner);
        break;
    case Kind::File:
        CheckValue(recordIndex, "title", record.file.title, step.caption);
        CheckValue(recordIndex, "filter", record.file.filter, step.filter);
        CheckValue(recordIndex, "default name", record.file.defaultName, step.defaultName);
        CheckValue(recordIndex, "default extension", record.file.defaultExtension, step.defaultExtension);
        checkEqual("open or save", record.file.save, step.save);
        checkEqual("overwrite prompt", record.file.promptOverwrite, step.promptOverwrite);
        checkEqual("owner", static_cast<const QWidget*>(record.file.owner), step.owner);
        break;
    case Kind::ShellOpen:
        CheckValue(recordIndex, "path", record.path, step.openedPath);
        break;
    case Kind::Modal:
        CheckValue(recordIndex, "title", record.dialogTitle, step.caption);
        CheckValue(recordIndex, "class", record.dialogClass, step.dialogClass);
        checkEqual("owner", record.dialogOwner, step.owner);
        break;
    }
}

void CScriptedPrompt::CheckValue(int recordIndex, const char* what, const QString& actual,
                                 const std::optional<QString>& expected)
{
    if (expected && *expected != actual)
        AddProblem(QStringLiteral("%1: %2 is \"%3\", the script expects \"%4\"")
                       .arg(Describe(recordIndex), QLatin1String(what), actual, *expected));
}

QString CScriptedPrompt::Describe(int recordIndex) const
{
    const Record& record = m_shown[recordIndex];
    QString detail;
    switch (record.kind) {
    case Kind::Message:
        detail = record.message.text;
        break;
    case Kind::File:
        detail = record.file.title;
        break;
    case Kind::ShellOpen:
        detail = record.path;
        break;
    case Kind::Modal:
        detail = record.dialogClass + QStringLiteral(" \"") + record.dialogTitle + QLatin1Char('"');
        break;
    }
    return QStringLiteral("%1 #%2 (%3)")
        .arg(KindName(record.kind))
        .arg(recordIndex + 1)
        .arg(Shortened(detail));
}
