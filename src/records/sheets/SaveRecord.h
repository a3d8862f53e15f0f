#pragma once

#include <QString>

class CDataRecord;
class QWidget;

// Saves a record a sheet has just edited; when the save fails the failure text is shown (an
// exclamation box titled with the program's name) and false returned, the stored row untouched.
bool SaveRecord(CDataRecord& record, QWidget* parent, const QString& failureText);
