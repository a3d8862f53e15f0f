#include "exchange/CBackupRestoreDlg.h"

#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/ui/CWaitCursor.h"
#include "exchange/DataFileCheck.h"
#include "exchange/DataFileReplace.h"
#include "exchange/FileCopy.h"
#include "platform/CPrompt.h"
#include "res/AppInfo.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* Button(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

// A group holding one button and the sentence that explains it.
QGroupBox* Group(const QString& title, QPushButton* button, const QString& text, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* explanation = new QLabel(text, group);
    explanation->setWordWrap(true);
    // The sentence beside the button says what it does; screen readers read it with the button.
    button->setAccessibleDescription(text);
    explanation->setMinimumWidth(260);
    auto* row = new QHBoxLayout(group);
    row->addWidget(button, 0, Qt::AlignTop);
    row->addWidget(explanation, 1);
    return group;
}

} // namespace

CBackupRestoreDlg::CBackupRestoreDlg(CADODataBase& database, QWidget* parent)
    : QDialog(parent), m_database(database)
{
    setObjectName(QStringLiteral("backupRestoreDialog"));
    setWindowTitle(tr("Backup & Restore"));

    auto* backup = Button(tr("&Backup"), QStringLiteral("backupButton"), this);
    auto* restore = Button(tr("&Restore"), QStringLiteral("restoreButton"), this);
    auto* cancel = Button(tr("&Cancel"), QStringLiteral("cancelButton"), this);
    connect(backup, &QPushButton::clicked, this, &CBackupRestoreDlg::OnBackup);
    connect(restore, &QPushButton::clicked, this, &CBackupRestoreDlg::OnRestore);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Group(tr("Backup"), backup,
                            tr("Click this button to backup your data. You may choose to save your data to a "
                               "floppy disk, a different folder, or another disk drive."),
                            this));
    layout->addWidget(Group(tr("Restore"), restore,
                            tr("Click this button to restore previously backed-up data. Your current data "
                               "will be replaced with the old data. You will be allowed to preview what is "
                               "restored."),
                            this));
    layout->addWidget(cancel, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CBackupRestoreDlg::OnBackup()
{
    const QString target = ChooseFile(true);
    if (target.isEmpty()) {
        return;
    }
    // Renaming a copy over the open data file would cut the session off from its own file.
    if (IsSameFile(target, GetDatabasePath())) {
        Warn(tr("That file is the data file %1 is using now. Choose another name or folder for the backup.")
                 .arg(AppName()));
        return;
    }
    CWaitCursor wait;
    // No write is under way while this dialog is modal, so the open file is whole on the disk.
    if (CopyFileAtomically(GetDatabasePath(), target)) {
        ShowMessage(
            this, tr("Your data was successfully backed up to \"%1\".").arg(QDir::toNativeSeparators(target)),
            AppName(), MessageIcon::Information);
    } else {
        Warn(tr("There was an error backing up to that file. Please try again."));
    }
    accept();
}

void CBackupRestoreDlg::OnRestore()
{
    const QString source = ChooseFile(false);
    if (source.isEmpty() || Refuses(source)) {
        return;
    }
    if (ShowMessage(this,
                    tr("Would you like to proceed with the Restore? Your current data will be overwritten."),
                    AppName(), MessageIcon::Question, MessageButtons::YesNo, IDNO) != IDYES) {
        return;
    }
    CWaitCursor wait;
    if (ReplaceDataFile(m_database, source, QStringLiteral("restore"))) {
        ShowMessage(this, tr("Your data was successfully restored."), AppName(), MessageIcon::Information);
    } else {
        Warn(tr("There was an error restoring that file. Please try again."));
    }
    emit dataFileReplaced();
    accept();
}

QString CBackupRestoreDlg::ChooseFile(bool save)
{
    FileRequest request;
    request.owner = this;
    request.save = save;
    request.filter = tr("Hearthstead Data Files (*.dat)|*.dat|All Files (*.*)|*.*|");
    request.defaultExtension = QStringLiteral("dat");
    if (save) {
        request.defaultName = tr("Hearthstead Backup");
        request.promptOverwrite = true;
    }
    return Prompt().ChooseFile(request);
}

// The data file itself, or a file that cannot hold the program's data, is never copied over it.
bool CBackupRestoreDlg::Refuses(const QString& source)
{
    if (IsSameFile(source, GetDatabasePath())) {
        Warn(tr("That file is the data file %1 is using now. Choose a backup copy to restore.")
                 .arg(AppName()));
        return true;
    }
    const QString problem = CheckDataFile(source);
    if (problem.isEmpty()) {
        return false;
    }
    Warn(tr("That file is not a %1 data file, so it was not restored. %2 Your current data has not been "
            "changed.")
             .arg(AppName(), problem));
    return true;
}

void CBackupRestoreDlg::Warn(const QString& text)
{
    ShowMessage(this, text, AppName(), MessageIcon::Exclamation);
}
