#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QFont>
#include <QLabel>

// A static text shown as a link: dark blue, bright blue and underlined while the pointer
// is over it, a pointing hand, a tooltip and a click that opens its target with the
// desktop's program for it. Attach() turns a label that already has its text and font
// into the link.
class CHyperLink : public QLabel
{
    Q_OBJECT
public:
    explicit CHyperLink(QWidget* pParent = nullptr);

    // Once the label shows its text: an empty target becomes that text.
    void Attach();
    void SetTarget(const QString& strTarget);
    // While empty, no tooltip shows.
    void SetTooltip(const QString& strTooltip);

    QString m_strTarget;
    QString m_strTooltip;
    QFont m_fontNormal;
    QFont m_fontUnderlined;
    const QColor m_clrNormal{0, 0, 192};
    const QColor m_clrHover{0, 0, 255};
    bool m_bHovering = false;

protected:
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    void SetHovering(bool bHovering);
    void ShowColour();
    void OnHoverTimer();
    void ShowTooltip();

    bool m_bAttached = false;
    QString m_strToolText; // the tooltip's text, the target until a tooltip is set
    QBasicTimer m_hoverTimer;
    QBasicTimer m_tooltipTimer;
};
