#include "controls/CDlgPicture.h"

#include "platform/CPrompt.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

// The preview starts below the row of the path and its buttons.
constexpr int kPreviewLeft = 3;
constexpr int kPreviewTop = 33;
constexpr int kRowHeight = 26;

} // namespace

CDlgPicture::CDlgPicture(QWidget* parent)
    : CPropertyPage(tr("Picture"), parent), m_pathEdit(new QLineEdit(this)),
      m_browse(new QPushButton(tr("&Browse"), this)), m_view(new QPushButton(tr("&View"), this))
{
    setObjectName(QStringLiteral("picturePage"));
    m_pathEdit->setObjectName(QStringLiteral("pathEdit"));
    m_browse->setObjectName(QStringLiteral("browseButton"));
    m_view->setObjectName(QStringLiteral("viewButton"));
    m_pathEdit->setAccessibleName(tr("Picture file"));
    for (QWidget* w :
         {static_cast<QWidget*>(m_pathEdit), static_cast<QWidget*>(m_browse), static_cast<QWidget*>(m_view)})
        w->setMaximumHeight(kRowHeight);

    auto* row = new QHBoxLayout;
    row->addWidget(m_pathEdit, 1);
    row->addWidget(m_browse);
    row->addWidget(m_view);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kPreviewLeft, 3, kPreviewLeft, kPreviewLeft);
    layout->addLayout(row);
    layout->addStretch(1);

    connect(m_browse, &QPushButton::clicked, this, &CDlgPicture::Browse);
    connect(m_view, &QPushButton::clicked, this, &CDlgPicture::View);
}

void CDlgPicture::OnInitDialog()
{
    RefreshPreview();
}

bool CDlgPicture::DoDataExchange(bool save)
{
    if (save)
        m_path = m_pathEdit->text();
    else
        m_pathEdit->setText(m_path);
    return true;
}

void CDlgPicture::Browse()
{
    UpdateData(true);
    FileRequest request;
    request.owner = this;
    // *.jpeg and *.png are offered on purpose beside the older kinds: the picture object reads them.
    request.filter = tr("Image Files (*.gif;*.jpg;*.jpeg;*.bmp;*.png)|*.gif;*.jpg;*.jpeg;*.bmp;*.png|");
    const QString chosen = Prompt().ChooseFile(request);
    if (chosen.isEmpty())
        return;
    m_pathEdit->setText(chosen);
    RefreshPreview();
}

void CDlgPicture::View()
{
    UpdateData(true);
    if (m_path.isEmpty()) {
        ShowMessage(this, tr("Please select a picture first."), tr("View Picture"), MessageIcon::Exclamation);
        return;
    }
    Prompt().ShellOpen(m_path);
}

void CDlgPicture::RefreshPreview()
{
    const QString path = m_pathEdit->text();
    if (path.isEmpty() || !m_picture.Load(path)) {
        m_hasPicture = false;
        update();
        return;
    }
    const QSize pictureSize = m_picture.GetSizeInPixels();
    if (pictureSize.width() == 0) {
        // The file opened but held no picture: the load released the old one, so nothing is drawn.
        m_hasPicture = false;
        update();
        return;
    }
    const int w = pictureSize.width();
    const int h = pictureSize.height();
    m_preview.left = kPreviewLeft;
    m_preview.top = kPreviewTop;
    m_preview.right = std::min(width() - 3, w);
    m_preview.bottom = h > height() - 30 ? height() - 3 : h;
    m_hasPicture = true;
    update();
}

void CDlgPicture::paintEvent(QPaintEvent* event)
{
    CPropertyPage::paintEvent(event);
    if (!m_hasPicture)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_picture.Draw(painter, m_preview.left, m_preview.top, m_preview.right, m_preview.bottom);
}
