#pragma once

#include <QDialog>

// "Synchronizing Hearthstead Data...": shown, and painted once, before the transfer, which blocks
// the program until it is over; it receives no further updates.
class CSyncProgressWnd final : public QDialog
{
    Q_OBJECT
public:
    explicit CSyncProgressWnd(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CSyncProgressWnd)

    // Shows the window and paints it at once.
    void ShowNow();
};
