#include "CScriptedPrompt.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPushButton>

namespace {

const QLatin1String kKindNames[] = {QLatin1String("message"), QLatin1String("file choice"),
                                    QLatin1String("shell open"), QLatin1String("modal dialog")};

} // namespace

CScriptedPrompt::CScriptedPrompt() : m_previous(InstallPrompt(this)) {}

CScriptedPrompt::~CScriptedPrompt()
{
    InstallPrompt(m_previous);
}

CScriptedPrompt::Step& CScriptedPrompt::Add(Kind kind, int answer)
{
    m_script.emplace_back();
    m_script.back().kind = kind;
    m_script.back().answer = answer;
    return m_script.back();
}

CScriptedPrompt::Step& CScriptedPrompt::ExpectFile(const QString& path)
{
    Step& step = Add(Kind::File);
    step.path = path;
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
    QPushButton* ok = box ? box->button(QDialogButtonBox::Ok) : nullptr;
    return ok ? (ok->click(), true) : PressButton(dialog, QStringLiteral("OK"));
}

bool CScriptedPrompt::PressCancel(QDialog& dialog)
{
    const auto* box = dialog.findChild<QDialogButtonBox*>();
    QPushButton* cancel = box ? box->button(QDialogButtonBox::Cancel) : nullptr;
    return cancel ? (cancel->click(), true) : PressButton(dialog, QStringLiteral("Cancel"));
}

bool CScriptedPrompt::PressButton(QWidget& window, const QString& text)
{
    const QString wanted = QString(text).remove(QLatin1Char('&'));
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text().remove(QLatin1Char('&')) == wanted && button->isVisible()) {
            if (button->isEnabled())
                button->click();
            else
                AddProblem(QStringLiteral("button \"%1\" is disabled").arg(text));
            return button->isEnabled();
        }
    }
    AddProblem(QStringLiteral("no button \"%1\" in %2").arg(text, window.windowTitle()));
    return false;
}

bool CScriptedPrompt::RefusedOnOk(QDialog& dialog, const QString& message)
{
    ExpectMessage(IDOK).Text(message).Caption(QStringLiteral("Hearthstead")).Icon(MessageIcon::Information);
    return PressOk(dialog) && dialog.isVisible();
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

QString CScriptedPrompt::Problems() const
{
    QStringList all = m_problems;
    for (const Step& step : m_script) {
        all += QStringLiteral("scripted %1 was never asked for: %2")
                   .arg(kKindNames[int(step.kind)], step.text.value_or(QString()));
    }
    return all.join(QLatin1Char('\n'));
}

int CScriptedPrompt::Message(const MessageRequest& request)
{
    m_shown.append({Kind::Message, request, {}});
    const QString what = QStringLiteral("message \"%1\"").arg(request.text);
    const std::optional<Step> step = Take(Kind::Message, what);
    if (!step)
        return IDCANCEL; // what a closed box answers; the unexpected message is already a problem
    Check(what, "text", request.text, step->text);
    if (step->textPart && !request.text.contains(*step->textPart))
        AddProblem(QStringLiteral("%1: text lacks \"%2\"").arg(what, *step->textPart));
    Check(what, "caption", request.caption, step->caption);
    Check(what, "icon", request.icon, step->icon);
    Check(what, "buttons", request.buttons, step->buttons);
    Check(what, "default answer", request.defaultAnswer, step->defaultAnswer);
    Check<const QWidget*>(what, "owner", request.owner, step->owner);
    return step->answer;
}

QString CScriptedPrompt::AskForFile(const FileRequest& request)
{
    m_shown.append({Kind::File, {}, {}});
    const QString what = QStringLiteral("file choice \"%1\"").arg(request.title);
    const std::optional<Step> step = Take(Kind::File, what);
    if (!step)
        return QString();
    Check(what, "title", request.title, step->caption);
    Check(what, "filter", request.filter, step->filter);
    Check(what, "default name", request.defaultName, step->defaultName);
    Check(what, "default extension", request.defaultExtension, step->defaultExtension);
    Check(what, "open or save", request.save, step->save);
    Check(what, "overwrite prompt", request.promptOverwrite, step->promptOverwrite);
    Check<const QWidget*>(what, "owner", request.owner, step->owner);
    return step->path;
}

bool CScriptedPrompt::ShellOpen(const QString& path, const QStringList& arguments)
{
    m_shown.append({Kind::ShellOpen, {}, arguments});
    const QString what = QStringLiteral("shell open of %1").arg(path);
    const std::optional<Step> step = Take(Kind::ShellOpen, what);
    if (step)
        Check(what, "path", path, step->openedPath);
    return step && step->answer != 0;
}

int CScriptedPrompt::RunModal(QDialog& dialog)
{
    m_shown.append({Kind::Modal, {}, {}});
    const QString className = QLatin1String(dialog.metaObject()->className());
    const QString what = QStringLiteral("dialog %1 \"%2\"").arg(className, dialog.windowTitle());
    const std::optional<Step> step = Take(Kind::Modal, what);
    if (!step)
        return QDialog::Rejected;
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    Check(what, "title", dialog.windowTitle(), step->caption);
    Check(what, "class", className, step->dialogClass);
    Check<const QWidget*>(what, "owner", dialog.parentWidget(), step->owner);
    if (step->handler)
        step->handler(dialog);
    if (dialog.isVisible()) {
        AddProblem(QStringLiteral("%1 was still open after its handler").arg(what));
        dialog.reject();
    }
    return dialog.result();
}

std::optional<CScriptedPrompt::Step> CScriptedPrompt::Take(Kind kind, const QString& what)
{
    if (m_script.empty() || m_script.front().kind != kind) {
        AddProblem(QStringLiteral("unexpected %1 while %2 was scripted")
                       .arg(what, m_script.empty() ? QLatin1String("nothing")
                                                   : kKindNames[int(m_script.front().kind)]));
        return std::nullopt;
    }
    Step step = std::move(m_script.front());
    m_script.pop_front();
    return step;
}

template <typename T>
void CScriptedPrompt::Check(const QString& what, const char* field, const T& actual,
                            const std::optional<T>& wanted)
{
    if (!wanted || *wanted == actual)
        return;
    QString detail = QStringLiteral(" differs from the script");
    if constexpr (std::is_same_v<T, QString>)
        detail = QStringLiteral(" is \"%1\", the script expects \"%2\"").arg(actual, *wanted);
    AddProblem(what + QStringLiteral(": ") + QLatin1String(field) + detail);
}
