#pragma once

#include <QHash>
#include <QWidget>

class CAutoListCtrl;
class CHome;
class CLabel;
class QPlainTextEdit;

// "Rooms & Locations": the current home's locations by name, with the selected one's dimensions,
// area, notes and what the inventory keeps there. New, Delete and Properties come from the context
// menu; Delete also from the Delete key, Properties also from a double-click or Enter.
class CRoomsView final : public QWidget
{
    Q_OBJECT
public:
    // The home is the main frame's current home; it outlives the view.
    explicit CRoomsView(const CHome& currentHome, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CRoomsView)

    // Lists the current home's locations, selecting the one with that id (0: none).
    void Refresh(long selectId);
    // Runs the sheet on a new location of the current home; when it is stored, lists it selected.
    // False when cancelled or when there is no current home.
    bool NewLocation();
    void OnDelete();
    void OnProperties();
    void SetListFont(const QFont& font);

    CAutoListCtrl* GetList() const { return m_list; }
    // The first remembered colour of the location in that row (its chip); invalid for no row.
    QColor GetRowColor(int row) const;
    QPlainTextEdit* GetDetails() const { return m_details; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowDetails();
    void ReadRowColors();
    void OnContextMenu(const QPoint& globalPos);
    // "3 assets here, worth $1,200.00", from one query over the location's assets.
    static QString AssetsLine(long areaId);

    const CHome& m_home;
    CLabel* m_title;
    CAutoListCtrl* m_list;
    QPlainTextEdit* m_details;
    // Each listed location's first colour word, by id.
    QHash<long, long> m_rowColors;
};
