#include "platform/DialogBuilder.h"

#include "platform/Icons.h"
#include "platform/WindowPlacement.h"
#include "res/Resource.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace
{

// Qt's buttons centre their text; a style sheet moves it left and keeps the button look.
const QString LEFT_ALIGNED_BUTTON = QStringLiteral(
    "QPushButton { text-align: left; padding: 0px 4px; border: 1px solid palette(mid);"
    " border-radius: 3px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 palette(light), stop:1 palette(button)); }"
    "QPushButton:pressed { background: palette(mid); }");

QFont TemplateFont(const DlgTemplate& dlg)
{
    // A missing face (Georgia, Tahoma) falls back to fontconfig's nearest match.
    return QFont(QString::fromUtf8(dlg.pszFont), dlg.nPointSize);
}

Qt::Alignment TextAlignment(unsigned nStyle)
{
    const Qt::Alignment horizontal = (nStyle & ITEM_CENTER)  ? Qt::AlignHCenter
                                     : (nStyle & ITEM_RIGHT) ? Qt::AlignRight
                                                             : Qt::AlignLeft;
    const Qt::Alignment vertical = (nStyle & ITEM_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
    return horizontal | vertical;
}

// Styles are applied after creation, so that a dialog's own control classes get them too.
void StylePushButton(QPushButton* pButton, const DlgItem& item)
{
    pButton->setText(QString::fromUtf8(item.pszText));
    pButton->setDefault(item.nStyle & ITEM_DEFAULT);
    if (!(item.nStyle & ITEM_CENTER) && (item.nStyle & ITEM_VCENTER))
        pButton->setStyleSheet(LEFT_ALIGNED_BUTTON);
}

void StyleEdit(QLineEdit* pEdit, const DlgItem& item)
{
    pEdit->setText(QString::fromUtf8(item.pszText));
    pEdit->setFrame(item.nStyle & ITEM_BORDER);
    pEdit->setAlignment((item.nStyle & ITEM_CENTER) ? Qt::AlignCenter : Qt::AlignLeft);
}

void StyleStatic(QLabel* pLabel, const DlgItem& item)
{
    if (item.nStyle & ITEM_SUNKEN)
        pLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (item.kind == DlgItemKind::StaticIcon) {
        pLabel->setAlignment(Qt::AlignCenter);
        SetLabelIcon(pLabel, item.nIconId);
        return;
    }
    pLabel->setAlignment(TextAlignment(item.nStyle));
    // Texts come from players and files too: markup in a name is shown, never rendered.
    pLabel->setTextFormat(Qt::PlainText);
    // A vertically centred static is a single line; the others wrap like a text block.
    pLabel->setWordWrap(!(item.nStyle & ITEM_VCENTER));
    pLabel->setText(QString::fromUtf8(item.pszText));
}

// Some dark styles (Adwaita-Dark) give a list without the focus the grey of disabled text;
// a list beside the focused one is still there to be read.
void KeepTextReadable(QAbstractItemView* pView)
{
    QPalette palette = pView->palette();
    palette.setColor(QPalette::Inactive, QPalette::Text,
                     palette.color(QPalette::Active, QPalette::Text));
    pView->setPalette(palette);
}

void StyleListBox(QListWidget* pList, const DlgItem& item)
{
    KeepTextReadable(pList);
    pList->setSortingEnabled(item.nStyle & ITEM_SORT);
    if (item.nStyle & ITEM_NOSEL)
        pList->setSelectionMode(QAbstractItemView::NoSelection);
    pList->setVerticalScrollBarPolicy((item.nStyle & ITEM_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                                   : Qt::ScrollBarAlwaysOff);
}

void StyleListView(QTreeWidget* pView)
{
    KeepTextReadable(pView);
    pView->setRootIsDecorated(false);
    pView->setItemsExpandable(false);
    pView->setSortingEnabled(false);
    pView->header()->setSectionsClickable(false);
    pView->header()->setSectionsMovable(false);
}

void StyleControl(QWidget* pControl, const DlgItem& item)
{
    if (auto* pButton = qobject_cast<QPushButton*>(pControl))
        StylePushButton(pButton, item);
    else if (auto* pEdit = qobject_cast<QLineEdit*>(pControl))
        StyleEdit(pEdit, item);
    else if (auto* pLabel = qobject_cast<QLabel*>(pControl))
        StyleStatic(pLabel, item);
    else if (auto* pList = qobject_cast<QListWidget*>(pControl))
        StyleListBox(pList, item);
    else if (auto* pView = qobject_cast<QTreeWidget*>(pControl))
        StyleListView(pView);
    if (auto* pFrame = qobject_cast<QAbstractScrollArea*>(pControl))
        pFrame->setFrameShape((item.nStyle & ITEM_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
}

QWidget* CreateStandardControl(const DlgItem& item, QWidget* pParent)
{
    switch (item.kind) {
    case DlgItemKind::PushButton:
        return new QPushButton(pParent);
    case DlgItemKind::Edit:
        return new QLineEdit(pParent);
    case DlgItemKind::Static:
    case DlgItemKind::StaticIcon:
        return new QLabel(pParent);
    case DlgItemKind::ListBox:
        return new QListWidget(pParent);
    case DlgItemKind::ListView:
        return new QTreeWidget(pParent);
    case DlgItemKind::ComboBox:
        return new QComboBox(pParent);
    }
    return nullptr;
}

void ApplyCommonStyle(QWidget* pControl, const DlgItem& item)
{
    if (item.nId != IDC_STATIC)
        pControl->setObjectName(QString::number(item.nId));
    // A dialog's own control class may take the focus in fewer ways than the template says.
    if (item.kind == DlgItemKind::PushButton || item.kind == DlgItemKind::Edit ||
        item.kind == DlgItemKind::ListBox || item.kind == DlgItemKind::ListView ||
        item.kind == DlgItemKind::ComboBox) {
        const int nPolicy = (item.nStyle & ITEM_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus;
        pControl->setFocusPolicy(Qt::FocusPolicy(nPolicy & pControl->focusPolicy()));
    }
    if (item.nStyle & ITEM_DISABLED)
        pControl->setEnabled(false);
    if (item.nStyle & ITEM_HIDDEN)
        pControl->setVisible(false);
}

Qt::WindowFlags WindowFlagsFor(const DlgTemplate& dlg)
{
    if (dlg.nStyle & DLG_CHILD)
        return Qt::Widget;
    Qt::WindowFlags flags = (dlg.nStyle & DLG_APPWINDOW) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
    if (dlg.nStyle & DLG_CAPTION)
        flags |= Qt::WindowTitleHint;
    else
        flags |= Qt::FramelessWindowHint;
    if (dlg.nStyle & DLG_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dlg.nStyle & DLG_MINIMIZE)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

bool IsLabelledField(DlgItemKind kind)
{
    return kind == DlgItemKind::Edit || kind == DlgItemKind::ListBox ||
           kind == DlgItemKind::ListView || kind == DlgItemKind::ComboBox;
}

bool IsLabel(DlgItemKind kind)
{
    return kind == DlgItemKind::Static || kind == DlgItemKind::StaticIcon;
}

} // namespace

QSize DialogUnitsToPixels(const DlgTemplate& dlg, int cx, int cy)
{
    // Measured once per template: every guess builds a row, and each row converts a dozen
    // rectangles.
    static QHash<const DlgTemplate*, QSizeF> baseUnits;
    auto it = baseUnits.find(&dlg);
    if (it == baseUnits.end()) {
        const QFontMetricsF metrics(TemplateFont(dlg));
        const qreal rAvgCharWidth = metrics.horizontalAdvance(QStringLiteral(
                                        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                                    52.0;
        it = baseUnits.insert(&dlg, QSizeF(rAvgCharWidth, metrics.height()));
    }
    return QSize(qRound(cx * it->width() / 4.0), qRound(cy * it->height() / 8.0));
}

QHash<int, QWidget*> BuildDialog(const DlgTemplate& dlg, QDialog* pDialog,
                                 const ControlFactory& createControl)
{
    pDialog->setWindowFlags(WindowFlagsFor(dlg));
    pDialog->setWindowTitle(QString::fromUtf8(dlg.pszCaption));
    pDialog->setFont(TemplateFont(dlg));
    if (dlg.nStyle & DLG_THINBORDER)
        pDialog->setStyleSheet(QStringLiteral("QDialog { border: 1px solid palette(shadow); }"));
    SetFixedWindowSize(pDialog, DialogUnitsToPixels(dlg, dlg.cx, dlg.cy));

    QHash<int, QWidget*> items;
    QLabel* pLastLabel = nullptr;
    for (const DlgItem& item : dlg.items) {
        QWidget* pControl = createControl ? createControl(item, pDialog) : nullptr;
        if (!pControl)
            pControl = CreateStandardControl(item, pDialog);
        // Both corners are converted, so that neighbouring cells share their edges exactly.
        const QSize topLeft = DialogUnitsToPixels(dlg, item.x, item.y);
        const QSize bottomRight = DialogUnitsToPixels(dlg, item.x + item.cx, item.y + item.cy);
        pControl->setGeometry(topLeft.width(), topLeft.height(),
                              bottomRight.width() - topLeft.width(),
                              bottomRight.height() - topLeft.height());
        StyleControl(pControl, item);
        ApplyCommonStyle(pControl, item);
        // As on Windows, a static right before a field in the template is its label: a screen
        // reader names the field with it (a picture, by the picture's own name).
        if (pLastLabel && IsLabelledField(item.kind))
            pLastLabel->setBuddy(pControl);
        pLastLabel = IsLabel(item.kind) ? qobject_cast<QLabel*>(pControl) : nullptr;
        if (item.nId != IDC_STATIC)
            items.insert(item.nId, pControl);
    }
    return items;
}

int DlgCtrlId(const QWidget* pControl)
{
    return pControl ? pControl->objectName().toInt() : 0;
}

QWidget* GetSiblingItem(const QWidget* pControl, int nId)
{
    if (!pControl || !pControl->parentWidget())
        return nullptr;
    return pControl->parentWidget()->findChild<QWidget*>(QString::number(nId),
                                                         Qt::FindDirectChildrenOnly);
}

void ShrinkToFit(QWidget* pControl)
{
    if (!pControl)
        return;
    // A shorter text than the last one starts again from the full size. Most texts fit at
    // once: no font is set then, as for every new guess row.
    if (pControl->testAttribute(Qt::WA_SetFont))
        pControl->setFont(QFont());
    const QString strText = pControl->property("text").toString();
    QFont font = pControl->font();
    const int nWidth = pControl->contentsRect().width();
    if (QFontMetrics(font).horizontalAdvance(strText) <= nWidth)
        return;
    do
        font.setPointSizeF(font.pointSizeF() - 0.5);
    while (font.pointSizeF() > 1 && QFontMetrics(font).horizontalAdvance(strText) > nWidth);
    pControl->setFont(font);
}

void SizeListColumn(QHeaderView* pHeader, const DlgTemplate& dlg, int nColumn, int nWidthDu)
{
    if (nWidthDu == 0) {
        pHeader->setSectionResizeMode(nColumn, QHeaderView::Stretch);
        return;
    }
    pHeader->setSectionResizeMode(nColumn, QHeaderView::Fixed);
    pHeader->resizeSection(nColumn, DialogUnitsToPixels(dlg, nWidthDu, 0).width());
}
