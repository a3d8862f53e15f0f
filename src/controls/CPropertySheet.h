#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include <functional>

class CPropertyPage;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;

// A record's modal sheet: a dialog titled as the record's sheet with one tab per page, in the order
// the pages were added, and OK and Cancel. Page fields are exchanged with their controls when a page
// is shown and when it is left; a page that refuses to be left keeps the focus.
class CPropertySheet : public QDialog
{
    Q_OBJECT
public:
    explicit CPropertySheet(const QString& caption, QWidget* parent = nullptr);
    ~CPropertySheet() override;
    Q_DISABLE_COPY_MOVE(CPropertySheet)

    // The sheet takes the page as a child; a page may also be a local declared after the sheet.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const;
    CPropertyPage* GetPage(int index) const;
    // The page shown first when the sheet runs (or the page switched to while it runs).
    void SetActivePage(int index);
    void SetActivePage(CPropertyPage* page);
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const;

    // Run by OK once every page has given up its fields; when it returns false the sheet stays open
    // with everything in it as it was (a save that failed, for one).
    void SetOkHandler(std::function<bool()> handler);

    // Runs the sheet through the prompt seam; QDialog::Accepted when closed with OK.
    int DoModal();

    // What the OK and Cancel buttons do; public so keyboard, mouse and tests share one path.
    void PressOk();
    void PressCancel();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void OnTabChanging(int index);
    void ShowTab(int index);
    void ActivatePage(CPropertyPage* page);
    void PlaceButtonsAfter(CPropertyPage* page);
    static void FocusPage(CPropertyPage* page);

    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    // The page shown while the sheet runs; null before it runs and after it closes.
    QPointer<CPropertyPage> m_active;
    bool m_running = false;
    std::function<bool()> m_okHandler;
};
