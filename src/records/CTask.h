#pragma once

#include "records/CDataRecord.h"

// One entry of the household's to-do lists (table Tasks): a general task or a shopping-list item.
// The two kinds share the row; the columns Vendor, Custom1-3 and Notes carry each kind's own fields.
// A task belongs to no home. Status: 0 not picked, 1 active, 2 done.
class CTask final : public CDataRecord
{
public:
    // The type of a shopping item; any other type is a general task.
    static constexpr int kShoppingType = 2;
    enum Status
    {
        NotPicked = 0,
        Active = 1,
        Done = 2
    };

    CTask() = default;

    int GetType() const { return m_type; }
    void SetType(int type) { m_type = type; }
    bool IsShoppingItem() const { return m_type == kShoppingType; }
    int GetStatus() const { return m_status; }
    // Sets the status and writes only that column of the stored row; false when the record is not
    // stored or the row could not be written (the field is set all the same).
    bool SetStatus(int status);

    // General task: the contact, its phone number and the task category.
    const QString& GetContact() const { return m_vendor; }
    void SetContact(const QString& contact) { m_vendor = contact; }
    const QString& GetPhone() const { return m_custom3; }
    void SetPhone(const QString& phone) { m_custom3 = phone; }
    long GetCategoryId() const { return m_custom2; }
    void SetCategoryId(long id) { m_custom2 = id; }

    // Shopping item: price, store, quantity, its unit (kept in the notes), aisle and coupon.
    float GetPrice() const { return m_cost; }
    void SetPrice(float price) { m_cost = price; }
    const QString& GetStore() const { return m_vendor; }
    void SetStore(const QString& store) { m_vendor = store; }
    float GetQuantity() const { return m_custom1; }
    void SetQuantity(float quantity) { m_custom1 = quantity; }
    const QString& GetUnit() const { return m_notes; }
    void SetUnit(const QString& unit) { m_notes = unit; }
    const QString& GetAisle() const { return m_custom3; }
    void SetAisle(const QString& aisle) { m_custom3 = aisle; }
    bool UsesCoupon() const { return m_custom2 != 0; }
    void SetUsesCoupon(bool coupon) { m_custom2 = coupon ? 1 : 0; }

    bool Delete() override;

    // The text the lists show: the description of a general task; for a shopping item
    // "Buy [quantity ][unit ]description[ @ store][ (#aisle)]".
    QString GetDisplayText() const;
    // Reads the current row of a query over Tasks into the record (used by Load and the list fills).
    void ReadRow(CADORecordset& row) { ReadFields(row); }

protected:
    QString TableName() const override;
    QString KeyColumn() const override;
    QString RowQuery() const override;
    void ReadFields(CADORecordset& row) override;
    bool WriteFields(CADORecordset& row) const override;

private:
    int m_type = 0;
    int m_status = NotPicked;
    float m_cost = 0.0f;
    QString m_vendor;
    float m_custom1 = 0.0f;
    long m_custom2 = 0;
    QString m_custom3;
};
