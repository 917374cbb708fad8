#pragma once

#include "dialogs/BaseDlg.h"
#include "res/Resource.h"

#include <cstdint>

// A small note without a title bar that names the place a won game reached. It closes
// by itself after a second and a half, or at once on a key or a mouse button, which it
// swallows. Its result is always IDOK.
class CHighScoreNoticeDlg : public CBaseDlg
{
    Q_OBJECT
public:
    explicit CHighScoreNoticeDlg(std::uint16_t nPlace, QWidget* pParent = nullptr);

    std::uint16_t m_nPlace; // 1-based
    const int m_nTimerId = IDT_NOTICE_CLOSE;

protected:
    bool OnInitDialog() override;
    void OnTimer(int nId) override;
    void OnCancel() override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void Close();
};
