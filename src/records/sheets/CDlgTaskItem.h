#pragma once

#include "controls/CPropertyPage.h"
#include "records/sheets/CategoryChooser.h"

class CTask;
class QComboBox;
class QLineEdit;

// The "Details" page of the "Task Properties" sheet: what to do, its task category, and whom to
// call about it.
class CDlgTaskItem final : public CPropertyPage
{
    Q_OBJECT
public:
    CDlgTaskItem(CTask& task, CategoryChooser chooser, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgTaskItem)

    bool OnKillActive() override;
    void OnOK() override;
    // What the "C&ategories" button does.
    void OnCategories();

protected:
    void OnInitDialog() override;
    bool DoDataExchange(bool save) override;

private:
    long SelectedCategory() const;

    CTask& m_task;
    CategoryChooser m_chooser;
    QLineEdit* m_description;
    QComboBox* m_category;
    QLineEdit* m_contact;
    QLineEdit* m_phone;
};
