#pragma once

#include "controls/CPropertyPage.h"
#include "data/ui/CPicture.h"

class QLineEdit;
class QPushButton;

// The "Picture" page the record sheets share: the path of a picture file, a Browse button to
// choose one, a preview of it and a View button that opens it in the desktop's own program.
class CDlgPicture final : public CPropertyPage
{
    Q_OBJECT
public:
    // Where the preview is drawn, in page pixels; right and bottom are exclusive.
    struct PreviewRect
    {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    explicit CDlgPicture(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgPicture)

    void SetPath(const QString& path) { m_path = path; }
    QString GetPath() const { return m_path; }
    bool HasPicture() const { return m_hasPicture; }
    PreviewRect GetPreviewRect() const { return m_preview; }

    // What the Browse and View buttons do.
    void Browse();
    void View();

protected:
    void OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void RefreshPreview();

    QString m_path;
    bool m_hasPicture = false;
    PreviewRect m_preview;
    CPicture m_picture;
    QLineEdit* m_pathEdit;
    QPushButton* m_browse;
    QPushButton* m_view;
};
