#include "dialogs/GuessChart.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace
{

constexpr qreal BAR_SHARE = 0.6; // of its slot's width; the rest keeps bars apart
constexpr int TEXT_GAP_PX = CHART_TEXT_GAP_PX;
constexpr qreal BAR_TEXT_SHARE = 0.45; // of the text colour in a bar; the rest is background

QString BarLabel(int nBar)
{
    return nBar == GUESS_BARS - 1 ? QStringLiteral("%1+").arg(GUESS_BARS)
                                  : QString::number(nBar + 1);
}

} // namespace

QColor ChartBarColour(const QPalette& palette)
{
    const QColor text = palette.color(QPalette::WindowText);
    const QColor back = palette.color(QPalette::Window);
    const auto Mix = [](int nText, int nBack) {
        return qRound(nText * BAR_TEXT_SHARE + nBack * (1 - BAR_TEXT_SHARE));
    };
    return QColor(Mix(text.red(), back.red()), Mix(text.green(), back.green()),
                  Mix(text.blue(), back.blue()));
}

QRect ChartSlot(const QRect& plot, int nBar, int nBars)
{
    const qreal rSlotWidth = plot.width() / qreal(std::max(1, nBars));
    const int nLeft = plot.left() + qRound(nBar * rSlotWidth);
    const int nRight = plot.left() + qRound((nBar + 1) * rSlotWidth);
    return QRect(nLeft, plot.top(), nRight - nLeft, plot.height());
}

QRect ChartBar(const QRect& slot, qreal rHeightShare)
{
    const int nWidth = std::max(1, qRound(slot.width() * BAR_SHARE));
    const int nHeight = std::max(1, qRound(slot.height() * rHeightShare));
    return QRect(slot.left() + (slot.width() - nWidth) / 2, slot.bottom() + 1 - nHeight, nWidth,
                 nHeight);
}

void DrawChartFocus(QWidget* pChart, QPainter& painter)
{
    if (!pChart->hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(pChart);
    pChart->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, pChart);
}

CGuessChart::CGuessChart(QWidget* pParent) : QWidget(pParent)
{
    // Reached with Tab, so that a screen reader reads out its description.
    setFocusPolicy(Qt::TabFocus);
}

void CGuessChart::SetCounts(const std::array<int, GUESS_BARS>& anCounts, int nHighlightBar)
{
    m_anCounts = anCounts;
    m_nHighlightBar = nHighlightBar;
    update();
}

// Room for a line of counts above the bars and a line of guesses below them, and at the right
// for the last label, "16+", which is wider than its slot.
QRect CGuessChart::PlotRect() const
{
    const int nTextHeight = fontMetrics().height() + TEXT_GAP_PX;
    const int nLastLabelOverhang = std::max(
        0, (fontMetrics().horizontalAdvance(BarLabel(GUESS_BARS - 1)) - width() / GUESS_BARS) / 2 +
               TEXT_GAP_PX);
    return rect().adjusted(0, nTextHeight, -nLastLabelOverhang, -nTextHeight);
}

QRect CGuessChart::SlotRect(int nBar) const
{
    return ChartSlot(PlotRect(), nBar, GUESS_BARS);
}

QRect CGuessChart::BarRect(int nBar) const
{
    const int nMax = *std::max_element(m_anCounts.cbegin(), m_anCounts.cend());
    if (nBar < 0 || nBar >= GUESS_BARS || m_anCounts[nBar] <= 0)
        return QRect();
    return ChartBar(SlotRect(nBar), qreal(m_anCounts[nBar]) / qreal(nMax));
}

void CGuessChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect plot = PlotRect();
    const int nTextHeight = fontMetrics().height();
    const QColor barColour = ChartBarColour(palette());
    painter.setPen(barColour);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (int nBar = 0; nBar < GUESS_BARS; ++nBar) {
        const QRect slot = SlotRect(nBar);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(slot.left(), plot.bottom() + TEXT_GAP_PX, slot.width(), nTextHeight),
                         Qt::AlignCenter, BarLabel(nBar));
        const QRect bar = BarRect(nBar);
        if (bar.isEmpty())
            continue;
        painter.fillRect(bar, nBar == m_nHighlightBar ? palette().color(QPalette::Highlight)
                                                      : barColour);
        painter.drawText(
            QRect(slot.left(), bar.top() - TEXT_GAP_PX - nTextHeight, slot.width(), nTextHeight),
            Qt::AlignCenter, QString::number(m_anCounts[nBar]));
    }
    DrawChartFocus(this, painter);
}
