#pragma once

#include "records/CDataRecord.h"

// A home (table Homes): the top of the data tree. Its locations, assets and loans hang on its id;
// tasks belong to no home.
class CHome final : public CDataRecord
{
public:
    CHome() = default;

    float GetCurrentValue() const { return m_currentValue; }
    void SetCurrentValue(float value) { m_currentValue = value; }
    // The postal address; may span several lines.
    const QString& GetAddress() const { return m_address; }
    void SetAddress(const QString& address) { m_address = address; }
    // The path of the home's picture file, "" for none.
    const QString& GetPicture() const { return m_picture; }
    void SetPicture(const QString& path) { m_picture = path; }

    // Removes the home with its assets, locations and loans, each statement on its own so that one
    // failing does not keep the others from running; true when all of them ran.
    bool Delete() override;

protected:
    QString TableName() const override;
    QString KeyColumn() const override;
    QString RowQuery() const override;
    void ReadFields(CADORecordset& row) override;
    bool WriteFields(CADORecordset& row) const override;

private:
    float m_currentValue = 0.0f;
    QString m_address;
    QString m_picture;
};
