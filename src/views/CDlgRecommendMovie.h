#pragma once

#include <QDialog>

class CAutoListCtrl;
class QComboBox;

// "Recommend Movie": the video titles of every home whose genre is the one chosen (all titles when
// it is empty), by title with their release years, for picking something to watch. Nothing is
// searched until "Search"; nothing is written.
class CDlgRecommendMovie final : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgRecommendMovie(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgRecommendMovie)

    CAutoListCtrl* GetList() const { return m_list; }
    QComboBox* GetGenreCombo() const { return m_genreCombo; }

    // Replaces the list with the titles of the genre in the combo and says how many were found.
    void OnSearch();

private:
    // Appends the matching titles; returns how many.
    int ListTitles(const QString& genre);

    CAutoListCtrl* m_list;
    QComboBox* m_genreCombo;
};
