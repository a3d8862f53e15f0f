#pragma once

#include "data/DateTimeValue.h"

#include <QString>
#include <QtGlobal>

#include <memory>

class CADODataBase;

// The rows of one SELECT, read whole into memory when opened (a static client-side cursor), with
// typed access to their fields. Operations never throw: failures return false and leave an error
// text behind.
//
// Integer getters and setters keep the program's long-standing types: `long` is the 32-bit
// integer (ids, lengths, colours), `int`/`short` the 16-bit integer (small coded fields).
class CADORecordset final
{
public:
    enum EditStatus
    {
        editNone = 0,
        editInProgress = 2
    };

    explicit CADORecordset(CADODataBase* database);
    ~CADORecordset();
    Q_DISABLE_COPY_MOVE(CADORecordset)

    bool Open(const QString& statement = QString());
    bool IsOpen() const;
    bool IsEof() const;
    void MoveNext();
    void Close();

    void Edit();
    bool SetFieldValue(const QString& name, const QString& value);
    bool SetFieldValue(const QString& name, short value);
    bool SetFieldValue(const QString& name, long value);
    bool SetFieldValue(const QString& name, double value);
    bool SetFieldValue(const QString& name, const DateTimeValue& value);
    bool Update();

    bool GetFieldValue(const QString& name, long& value); // 32-bit integer
    bool GetFieldValue(const QString& name, int& value);  // 16-bit integer
    bool GetFieldValue(const QString& name, float& value);
    bool GetFieldValue(const QString& name, double& value);
    bool GetFieldValue(const QString& name, QString& value);
    bool GetFieldValue(const QString& name, DateTimeValue& value);
    bool GetFieldValue(int index, long& value);
    bool GetFieldValue(int index, QString& value);

    QString GetLastError() const;
    quint32 GetLastErrorCode() const;
    QString GetQuery() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};
