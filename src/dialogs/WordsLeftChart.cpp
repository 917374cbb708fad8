#include "dialogs/WordsLeftChart.h"

#include "dialogs/GuessChart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace
{

constexpr int TEXT_GAP_PX = CHART_TEXT_GAP_PX;

} // namespace

CWordsLeftChart::CWordsLeftChart(QWidget* pParent) : QWidget(pParent)
{
    // Reached with Tab, so that a screen reader reads out its description.
    setFocusPolicy(Qt::TabFocus);
}

void CWordsLeftChart::SetCounts(const QList<int>& anCounts, int nAll)
{
    m_anCounts = anCounts;
    m_nAll = nAll;
    update();
}

// Room for a line of counts above the bars and a line of guess numbers below them.
QRect CWordsLeftChart::PlotRect() const
{
    const int nTextHeight = fontMetrics().height() + TEXT_GAP_PX;
    return rect().adjusted(0, nTextHeight, 0, -nTextHeight);
}

QRect CWordsLeftChart::SlotRect(int nBar) const
{
    return ChartSlot(PlotRect(), nBar, static_cast<int>(m_anCounts.size()));
}

QRect CWordsLeftChart::BarRect(int nBar) const
{
    const int nCount = m_anCounts.value(nBar);
    if (nCount <= 0 || m_nAll <= 0)
        return QRect();
    return ChartBar(SlotRect(nBar), std::log1p(std::min(nCount, m_nAll)) / std::log1p(m_nAll));
}

void CWordsLeftChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect plot = PlotRect();
    const int nTextHeight = fontMetrics().height();
    const QColor barColour = ChartBarColour(palette());
    painter.setPen(barColour);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.setPen(palette().color(QPalette::WindowText));
    // A long game leaves slots too narrow for their numbers: the bars still show.
    const auto DrawText = [&](const QRect& slot, int nTop, int nNumber) {
        const QString strText = QString::number(nNumber);
        if (fontMetrics().horizontalAdvance(strText) <= slot.width())
            painter.drawText(QRect(slot.left(), nTop, slot.width(), nTextHeight), Qt::AlignCenter,
                             strText);
    };
    for (int nBar = 0; nBar < m_anCounts.size(); ++nBar) {
        const QRect slot = SlotRect(nBar);
        DrawText(slot, plot.bottom() + TEXT_GAP_PX, nBar + 1);
        const QRect bar = BarRect(nBar);
        if (!bar.isEmpty())
            painter.fillRect(bar, barColour);
        const int nBarTop = bar.isEmpty() ? plot.bottom() + 1 : bar.top();
        DrawText(slot, nBarTop - TEXT_GAP_PX - nTextHeight, m_anCounts[nBar]);
    }
    DrawChartFocus(this, painter);
}
