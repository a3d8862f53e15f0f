#pragma once

#include "data/ui/CPicture.h"

#include <QRect>
#include <QWidget>

class CHome;
class CLabel;

// "Home Today": the current home's picture, and four lines that each lead into the part of the
// program they sum up.
class CTodayView final : public QWidget
{
    Q_OBJECT
public:
    enum LineId
    {
        DescriptionLine = 1000,
        TasksLine = 1003,
        InventoryLine = 1004,
        EquityLine = 1005,
        WarrantyLine = 1006
    };

    // The home is the main frame's current home; it outlives the view.
    explicit CTodayView(CHome& currentHome, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CTodayView)

    void RefreshText();
    void RefreshPicture();
    void ComputeEquity();
    // Runs the current home's profile, on its loans page when startPage is 1.
    void OpenProfile(int startPage);

    // Figures kept by the inventory and tasks views after each of their refreshes.
    void SetInventoryTotal(float total) { m_inventoryTotal = total; }
    void SetActiveTaskCount(int count) { m_activeTasks = count; }

    float GetEquity() const { return m_equity; }
    QRect GetPictureRect() const { return m_pictureRect; }
    const CPicture& GetPicture() const { return m_picture; }
    CLabel* GetLine(LineId id) const;

signals:
    // What the inventory and tasks lines ask for: a first asset or tasks while there are none,
    // otherwise their views.
    void newAssetRequested();
    void inventoryRequested();
    void newTasksRequested();
    void tasksRequested();
    // The profile was saved from here: the title and the homes list follow.
    void profileSaved();
    // The warranty line: the assets whose warranty ends soon.
    void warrantiesRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CLabel* MakeLine(LineId id);
    void OnLineClicked(int id);
    bool LoadPicture();
    void LayoutLines();
    void RefreshWarrantyLine();

    CHome& m_home;
    CLabel* m_description;
    CLabel* m_tasks;
    CLabel* m_inventory;
    CLabel* m_equityLine;
    // Shown only while some warranty of the home ends soon, above the four lines.
    CLabel* m_warrantyLine;
    CPicture m_picture;
    QRect m_pictureRect;
    float m_equity = 0.0f;
    float m_inventoryTotal = 0.0f;
    int m_activeTasks = 0;
};
