#pragma once

#include <QDialog>

// "About Hearthstead": the product line and how to reach the maker.
class CAboutDlg final : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CAboutDlg)
};
