#pragma once

#include <QString>
#include <QWidget>

class CPropertySheet;

// One page of a CPropertySheet. A page keeps its fields as members; DoDataExchange copies them to
// the controls (save = false) or back from the controls (save = true, returning false when a value
// is refused). Before a page is first shown the sheet copies its members to the controls and calls
// OnInitDialog; OnSetActive runs each time it is shown (from the second showing on, it copies the
// members to the controls again), OnKillActive when it is left (it takes the controls' values;
// false keeps the page shown) and OnOK when the sheet is closed with OK.
class CPropertyPage : public QWidget
{
    Q_OBJECT
public:
    explicit CPropertyPage(const QString& title, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CPropertyPage)

    QString GetTitle() const { return m_title; }
    bool IsInitialized() const { return m_initialized; }

    virtual void OnSetActive();
    virtual bool OnKillActive();
    virtual void OnOK() {}

    // Copies members to controls (false) or controls to members (true).
    bool UpdateData(bool save);

protected:
    virtual void OnInitDialog() {}
    virtual bool DoDataExchange(bool save) = 0;

private:
    friend class CPropertySheet;
    // Run by the sheet once, before the page is first shown.
    void Initialize();

    QString m_title;
    bool m_initialized = false;
    bool m_shownOnce = false;
};
