#pragma once

#include <QString>
#include <QWidget>

// One page of a CPropertySheet. A page keeps its fields as members; DoDataExchange copies them to
// the controls (save = false) or back from the controls (save = true, returning false when a value
// is refused). The sheet calls OnInitDialog before the page is first shown, OnSetActive each time it
// is shown, OnKillActive when it is left (false keeps the page shown) and OnOK when the sheet is
// closed with OK.
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
    QString m_title;
    bool m_initialized = false;
};
