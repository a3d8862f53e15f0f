#include "exchange/CSyncProgressWnd.h"

#include <QLabel>
#include <QVBoxLayout>

CSyncProgressWnd::CSyncProgressWnd(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Synchronizing Hearthstead Data..."));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Your data is being synchronized."), this));
    auto* warning = new QLabel(
        tr("Please do not use Hearthstead or disconnect the device while synchronization is in progress."),
        this);
    warning->setWordWrap(true);
    layout->addWidget(warning);
}

void CSyncProgressWnd::ShowNow()
{
    show();
    repaint();
}
