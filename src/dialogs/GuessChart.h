#pragma once

#include "store/PlayerStatistics.h"

#include <QWidget>

class QPainter;
#include <array>

// The colour of a chart's bars: half way between text and background, which stands out from
// both in light and in dark themes, where the palette's own greys may lie close to the background.
QColor ChartBarColour(const QPalette& palette);

// What the program's charts share: nBars slots side by side across the plot, each bar centred
// in its slot, rHeightShare of the slot's height tall (at least a pixel), texts kept apart
// from bars and axis by CHART_TEXT_GAP_PX, and the focus frame of a chart reached with Tab.
constexpr int CHART_TEXT_GAP_PX = 2;
QRect ChartSlot(const QRect& plot, int nBar, int nBars);
QRect ChartBar(const QRect& slot, qreal rHeightShare);
void DrawChartFocus(QWidget* pChart, QPainter& painter);

// Bars of won games by their number of guesses, scaled to the tallest, with each bar's count
// above it and its number of guesses below; the bar of the last won game stands out.
class CGuessChart : public QWidget
{
    Q_OBJECT
public:
    explicit CGuessChart(QWidget* pParent = nullptr);

    // nHighlightBar -1 for none.
    void SetCounts(const std::array<int, GUESS_BARS>& anCounts, int nHighlightBar);
    // Where the bar is painted; empty for a bar of no games.
    QRect BarRect(int nBar) const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QRect PlotRect() const;
    QRect SlotRect(int nBar) const;

    std::array<int, GUESS_BARS> m_anCounts{};
    int m_nHighlightBar = -1;
};
