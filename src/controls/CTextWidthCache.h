#pragma once

#include <QFont>
#include <QFontMetricsF>

#include <array>

// Widths of texts in one font, fast enough to measure every text put into a list of a hundred
// thousand rows: Latin-1 texts add up remembered character advances, others are measured whole.
class CTextWidthCache final
{
public:
    explicit CTextWidthCache(const QFont& font);

    void SetFont(const QFont& font);
    int Width(const QString& text);

private:
    QFontMetricsF m_metrics;
    std::array<qreal, 256> m_advances;
};
