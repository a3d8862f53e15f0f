#pragma once

#include <QDialog>

class QLineEdit;

// The small "Category" dialog that asks for a category's name. Any name is accepted, even none.
class CDlgCategoryName final : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgCategoryName(const QString& name, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgCategoryName)

    // The name as typed; read after the dialog closed with Save.
    QString GetName() const;

private:
    QLineEdit* m_nameEdit;
};
