#pragma once

#include "dialogs/BaseDlg.h"

class CHyperLink;

// A box without a title bar with the program's name and version and a link to the maker's
// web page. Any key or click closes it with IDOK, except a left click on the link, which
// opens the page and leaves the box open.
class CAboutDlg : public CBaseDlg
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

    CHyperLink* m_link = nullptr; // IDC_LINK, owned by the dialog

protected:
    QWidget* CreateControl(const DlgItem& item, QWidget* pParent) override;
    bool OnInitDialog() override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool IsClosingInput(const QObject* pWatched, const QEvent* pEvent) const;
};
