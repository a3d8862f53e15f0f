#pragma once

#include <QString>

class CADORecordset;

// What every stored record has: its id in its table (-1 until first saved), a description and
// notes, and the load and save of its one row. Records live on the stack of the operation that uses
// them; none of their operations throws. A record knows nothing of the sheet that edits it
// (records/sheets run EditProperties on it).
class CDataRecord
{
public:
    CDataRecord() = default;
    virtual ~CDataRecord() = default;
    CDataRecord(const CDataRecord&) = default;
    CDataRecord& operator=(const CDataRecord&) = default;

    long GetId() const { return m_id; }
    void SetId(long id) { m_id = id; }
    // A record is stored (and so has a row to load) once it holds an id above 0.
    bool IsValid() const { return m_id > 0; }

    const QString& GetDescription() const { return m_description; }
    void SetDescription(const QString& description) { m_description = description; }
    const QString& GetNotes() const { return m_notes; }
    void SetNotes(const QString& notes) { m_notes = notes; }

    // Reads the row of the record's id; false when the record is not stored or has no row, in
    // which case the fields keep their values.
    bool Load();
    // Allocates an id and inserts the key row when the record is new, then writes every field, all
    // in one transaction of the session. On failure nothing is stored and a new record stays new.
    bool Save();
    // Removes the record's row (and what hangs on it); false when the record is not stored.
    virtual bool Delete() = 0;

protected:
    // The table and key column the record's ids belong to ("Homes", "HomeId").
    virtual QString TableName() const = 0;
    virtual QString KeyColumn() const = 0;
    // The SELECT of the record's own row.
    virtual QString RowQuery() const = 0;
    virtual void ReadFields(CADORecordset& row) = 0;
    // Sets every field of the row opened for editing; false when a value could not be set.
    virtual bool WriteFields(CADORecordset& row) const = 0;

    // A statement with the record id put in place of its "%ld".
    QString WithId(const QString& statement) const;
    // Executes that statement on the application's session; false without one or on failure.
    bool ExecuteWithId(const QString& statement) const;

    long m_id = -1;
    QString m_description;
    QString m_notes;

private:
    bool InsertAndWrite();
};
