#pragma once

#include "records/sheets/CategoryChooser.h"

#include <QDialog>

class CTask;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The "Shopping List Item" dialog: what to buy, how much of it, where, in which aisle, at what
// price, and whether a coupon goes with it. OK takes the fields into the item only when the
// quantity and the price are numbers; otherwise the dialog stays open on the refused field.
class CDlgShoppingItem final : public QDialog
{
    Q_OBJECT
public:
    // The item is written only by accept(); the chooser is what the "Stores" button opens.
    CDlgShoppingItem(CTask& item, CategoryChooser chooser, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgShoppingItem)

    // What the "Stores" button does: the stores dialog, whose choice becomes the store.
    void OnStores();
    void accept() override;

    // Every store known: the store categories and the stores already typed on shopping items, once
    // each, sorted without regard to case.
    static QStringList KnownStores();

private:
    QLineEdit* AddNumberRow(int row, const QString& caption, const QString& name);
    void FillStores(const QString& store);

    CTask& m_item;
    CategoryChooser m_chooser;
    QLineEdit* m_description;
    QLineEdit* m_quantity = nullptr;
    QComboBox* m_unit;
    QComboBox* m_store;
    QLineEdit* m_price = nullptr;
    QCheckBox* m_coupon;
    QComboBox* m_aisle;
};
