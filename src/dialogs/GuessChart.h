#pragma once

#include "store/PlayerStatistics.h"

#include <QWidget>
#include <array>

// The colour of a chart's bars: half way between text and background, which stands out from
// both in light and in dark themes, where the palette's own greys may lie close to the background.
QColor ChartBarColour(const QPalette& palette);

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
