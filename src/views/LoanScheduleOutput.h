#pragma once

#include <QString>

class CLoanChart;
class CLoanSchedule;
class QPagedPaintDevice;

// The schedule written out as the inventory export writes its file: a title line, an empty line,
// the header, one line a payment with every field in double quotes, an empty line and the
// "Created by" line; UTF-8, lines ended by CR LF, written to a temporary file that replaces the
// target only when whole. False when the file could not be written; the target is then untouched.
bool WriteScheduleCsv(const QString& path, const QString& loanName, const CLoanSchedule& schedule);

// The title, the chart and the payments on as many pages as they need; false when the device
// could not be painted on.
bool PrintSchedule(QPagedPaintDevice& device, const CLoanChart& chart, const QString& loanName,
                   const CLoanSchedule& schedule);
