#include "controls/CTextWidthCache.h"

#include <cmath>

CTextWidthCache::CTextWidthCache(const QFont& font) : m_metrics(font)
{
    m_advances.fill(-1.0);
}

void CTextWidthCache::SetFont(const QFont& font)
{
    m_metrics = QFontMetricsF(font);
    m_advances.fill(-1.0);
}

int CTextWidthCache::Width(const QString& text)
{
    qreal width = 0.0;
    for (const QChar ch : text) {
        if (ch.unicode() > 0xFF)
            return int(std::ceil(m_metrics.horizontalAdvance(text)));
        qreal& advance = m_advances[ch.unicode()];
        if (advance < 0.0)
            advance = m_metrics.horizontalAdvance(ch);
        width += advance;
    }
    return int(std::ceil(width));
}
