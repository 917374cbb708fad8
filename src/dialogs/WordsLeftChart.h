#pragma once

#include <QList>
#include <QWidget>

// Bars of the words still possible after each guess of a game, each bar's count above it and
// its guess's number below. The heights follow the logarithm of the counts up to the whole
// dictionary, so that the last few words still show beside a thousand.
class CWordsLeftChart : public QWidget
{
    Q_OBJECT
public:
    explicit CWordsLeftChart(QWidget* pParent = nullptr);

    // nAll: the words of the dictionary, the height of a full bar.
    void SetCounts(const QList<int>& anCounts, int nAll);
    // Where the bar is painted; empty for a bar of no words.
    QRect BarRect(int nBar) const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QRect PlotRect() const;
    QRect SlotRect(int nBar) const;

    QList<int> m_anCounts;
    int m_nAll = 0;
};
