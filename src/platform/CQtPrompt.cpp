#include "platform/CQtPrompt.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

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

} // namespace

int CQtPrompt::Message(const MessageRequest& request)
{
    QMessageBox box(BoxIcon(request.icon), request.caption, request.text, QMessageBox::NoButton,
                    request.owner);
    const QList<QMessageBox::StandardButton> buttons = BoxButtons(request.buttons);
    for (const QMessageBox::StandardButton button : buttons)
        box.addButton(button);
    const QMessageBox::StandardButton wanted = ButtonOf(request.defaultAnswer);
    box.setDefaultButton(buttons.contains(wanted) ? wanted : buttons.first());
    const int answer = AnswerOf(box.exec());
    return answer != 0 ? answer : ClosedAnswer(request.buttons);
}

QString CQtPrompt::ChooseFile(const FileRequest& request)
{
    QFileDialog dialog(request.owner, request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFilterFromWindows(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    if (!request.defaultName.isEmpty())
        dialog.selectFile(request.defaultName);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

bool CQtPrompt::ShellOpen(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

int CQtPrompt::RunModal(QDialog& dialog)
{
    return dialog.exec();
}
