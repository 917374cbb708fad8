#include "DialogBuilder.h"

#include <QDialog>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QFont TemplateFont(const DlgTemplate& dlg)
{
    // A missing face (Georgia, Tahoma) falls back to fontconfig's nearest match.
    return QFont(QString::fromUtf8(dlg.pszFont), dlg.nPointSize);
}

Qt::Alignment TextAlignment(unsigned nStyle)
{
    const Qt::Alignment horizontal = (nStyle & ITEM_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    const Qt::Alignment vertical = (nStyle & ITEM_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
    return horizontal | vertical;
}

QWidget* CreatePushButton(const DlgItem& item, QWidget* pParent)
{
    auto* pButton = new QPushButton(QString::fromUtf8(item.pszText), pParent);
    pButton->setDefault(item.nStyle & ITEM_DEFAULT);
    if (!(item.nStyle & ITEM_CENTER) && (item.nStyle & ITEM_VCENTER))
        pButton->setStyleSheet(QStringLiteral("text-align: left; padding-left: 3px;"));
    if (item.nStyle & ITEM_STATICEDGE)
        pButton->setFlat(false);
    return pButton;
}

QWidget* CreateEdit(const DlgItem& item, QWidget* pParent)
{
    auto* pEdit = new QLineEdit(QString::fromUtf8(item.pszText), pParent);
    pEdit->setFrame(item.nStyle & ITEM_BORDER);
    pEdit->setAlignment((item.nStyle & ITEM_CENTER) ? Qt::AlignCenter : Qt::AlignLeft);
    return pEdit;
}

QWidget* CreateStatic(const DlgItem& item, QWidget* pParent)
{
    auto* pLabel = new QLabel(pParent);
    pLabel->setAlignment(TextAlignment(item.nStyle));
    if (item.nStyle & ITEM_SUNKEN)
        pLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (item.kind == DlgItemKind::StaticIcon) {
        pLabel->setAlignment(Qt::AlignCenter);
        return pLabel;
    }
    // A vertically centred static is a single line; the others wrap like a text block.
    pLabel->setWordWrap(!(item.nStyle & ITEM_VCENTER));
    pLabel->setText(QString::fromUtf8(item.pszText));
    return pLabel;
}

QWidget* CreateListBox(const DlgItem& item, QWidget* pParent)
{
    auto* pList = new QListWidget(pParent);
    pList->setSortingEnabled(item.nStyle & ITEM_SORT);
    pList->setVerticalScrollBarPolicy((item.nStyle & ITEM_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                                   : Qt::ScrollBarAlwaysOff);
    pList->setFrameShape((item.nStyle & ITEM_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    return pList;
}

QWidget* CreateListView(const DlgItem& item, QWidget* pParent)
{
    auto* pView = new QTreeWidget(pParent);
    pView->setRootIsDecorated(false);
    pView->setItemsExpandable(false);
    pView->setSortingEnabled(false);
    pView->header()->setSectionsClickable(false);
    pView->header()->setSectionsMovable(false);
    pView->setFrameShape((item.nStyle & ITEM_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    return pView;
}

QWidget* CreateStandardControl(const DlgItem& item, QWidget* pParent)
{
    switch (item.kind) {
    case DlgItemKind::PushButton:
        return CreatePushButton(item, pParent);
    case DlgItemKind::Edit:
        return CreateEdit(item, pParent);
    case DlgItemKind::Static:
    case DlgItemKind::StaticIcon:
        return CreateStatic(item, pParent);
    case DlgItemKind::ListBox:
        return CreateListBox(item, pParent);
    case DlgItemKind::ListView:
        return CreateListView(item, pParent);
    }
    return nullptr;
}

void ApplyCommonStyle(QWidget* pControl, const DlgItem& item)
{
    if (item.nId != IDC_STATIC)
        pControl->setObjectName(QString::number(item.nId));
    if (item.kind == DlgItemKind::PushButton || item.kind == DlgItemKind::Edit ||
        item.kind == DlgItemKind::ListBox || item.kind == DlgItemKind::ListView)
        pControl->setFocusPolicy((item.nStyle & ITEM_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
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

} // namespace

QSize DialogUnitsToPixels(const DlgTemplate& dlg, int cx, int cy)
{
    const QFontMetricsF metrics(TemplateFont(dlg));
    const qreal rAvgCharWidth =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
        52.0;
    return QSize(qRound(cx * rAvgCharWidth / 4.0), qRound(cy * metrics.height() / 8.0));
}

QHash<int, QWidget*> BuildDialog(const DlgTemplate& dlg, QDialog* pDialog,
                                 const ControlFactory& createControl)
{
    pDialog->setWindowFlags(WindowFlagsFor(dlg));
    pDialog->setWindowTitle(QString::fromUtf8(dlg.pszCaption));
    pDialog->setFont(TemplateFont(dlg));
    if (dlg.nStyle & DLG_THINBORDER)
        pDialog->setStyleSheet(QStringLiteral("QDialog { border: 1px solid palette(shadow); }"));
    pDialog->setFixedSize(DialogUnitsToPixels(dlg, dlg.cx, dlg.cy));

    QHash<int, QWidget*> items;
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
        ApplyCommonStyle(pControl, item);
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
