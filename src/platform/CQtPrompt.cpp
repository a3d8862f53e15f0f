#include "platform/CQtPrompt.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include <cstdio>

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QList<QMessageBox::StandardButton> BoxButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {QMessageBox::Ok};
    case MessageButtons::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case MessageButtons::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::YesNoCancel:
        return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MessageButtons::RetryCancel:
        return {QMessageBox::Retry, QMessageBox::Cancel};
    }
    return {QMessageBox::Ok};
}

QMessageBox::StandardButton ButtonOf(int answer)
{
    switch (answer) {
    case IDOK:
        return QMessageBox::Ok;
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDRETRY:
        return QMessageBox::Retry;
    case IDYES:
        return QMessageBox::Yes;
    case IDNO:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

int AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Retry:
        return IDRETRY;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    }
    return 0;
}

// A box closed without a button answers as its way out: Cancel where it has one, else No or OK.
int ClosedAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return IDOK;
    case MessageButtons::YesNo:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

bool HasScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

CQtPrompt::CQtPrompt() : CQtPrompt(HasScreen()) {}

CQtPrompt::CQtPrompt(bool interactive) : m_interactive(interactive) {}

int CQtPrompt::Message(const MessageRequest& request)
{
    const QList<QMessageBox::StandardButton> buttons = BoxButtons(request.buttons);
    const QMessageBox::StandardButton wanted = ButtonOf(request.defaultAnswer);
    const QMessageBox::StandardButton defaultButton = buttons.contains(wanted) ? wanted : buttons.first();
    if (!m_interactive) {
        std::fprintf(stderr, "%s\n", qPrintable(request.text));
        return AnswerOf(defaultButton);
    }
    QMessageBox box(BoxIcon(request.icon), request.caption, request.text, QMessageBox::NoButton,
                    request.owner);
    for (const QMessageBox::StandardButton button : buttons)
        box.addButton(button);
    box.setDefaultButton(defaultButton);
    const int answer = AnswerOf(box.exec());
    return answer != 0 ? answer : ClosedAnswer(request.buttons);
}

QString CQtPrompt::AskForFile(const FileRequest& request)
{
    if (!m_interactive)
        return QString();
    QFileDialog dialog(request.owner, request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFilterFromWindows(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    // ChooseFile asks about replacing a file itself, through the prompt.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.defaultName.isEmpty())
        dialog.selectFile(request.defaultName);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

bool CQtPrompt::ShellOpen(const QString& path, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return QProcess::startDetached(path, arguments);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

int CQtPrompt::RunModal(QDialog& dialog)
{
    return m_interactive ? dialog.exec() : int(QDialog::Rejected);
}
