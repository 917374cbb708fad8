#include "AboutDlg.h"
#include "DialogTemplates.h"
#include "GameApp.h"
#include "HyperLink.h"
#include "ModalDriver.h"
#include "PlayerSettings.h"
#include "RecordingWavePlayer.h"
#include "ShellOpen.h"
#include "TempRegistry.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

// Records what links would open instead of starting a browser.
struct OpenedTargets : QStringList {
    OpenedTargets()
    {
        SetShellOpener([this](const QString& str) { append(str); });
    }
    ~OpenedTargets() { SetShellOpener(nullptr); }
};

static void PointAt(const QWidget* pWidget, QPoint pos)
{
    QCursor::setPos(pWidget->mapToGlobal(pos));
    QCoreApplication::processEvents();
}

// Guards against a missing hover look or one that does not end soon, no hand, a lost
// default target, a tooltip that shows though none was set, and clicks beside the target.
TEST(HyperLink, HoverLookHandCursorDefaultTargetAndClicks)
{
    QWidget host;
    host.resize(200, 100);
    CHyperLink link(&host);
    link.setText(QStringLiteral("Torvane"));
    link.setGeometry(20, 20, 80, 20);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    link.Attach();
    auto look = [&link] {
        return QString("%1%2").arg(link.palette().color(QPalette::WindowText).name(),
                                   link.font().underline() ? " underlined" : "");
    };
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(look(), "#0000c0");
    PointAt(&link, {10, 10});
    EXPECT_EQ(look(), "#0000ff underlined");
    QTest::qWait(300);
    EXPECT_FALSE(QToolTip::isVisible());
    PointAt(&host, {150, 80});
    QElapsedTimer timer;
    timer.start();
    while (link.m_bHovering && timer.elapsed() < 1000)
        QTest::qWait(5);
    EXPECT_LE(timer.elapsed(), 400); // a tick every 100 ms, with room for a busy machine
    EXPECT_EQ(look(), "#0000c0");

    OpenedTargets opened;
    QTest::mouseClick(&link, Qt::LeftButton);
    QTest::mouseClick(&link, Qt::RightButton);
    link.SetTarget({});
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{"Torvane"});
}

// Guards against a wrong name or version, a missing sound, a tooltip without the delay or
// the address, and a link click that opens the wrong page or closes the box.
TEST(AboutDlg, ShowsNameSoundsAndItsLinkOpensThePageLeavingItOpen)
{
    const QString strAddress = QStringLiteral("https://torvane.example/kelvara");
    TempRegistry registry;
    CPlayerSettings player(0); // sound on
    theApp.m_pPlayer = &player;
    RecordingWavePlayer::Instance().Clear();
    OpenedTargets opened;
    CAboutDlg dlg;
    WhenModal([&](QWidget* p) {
        EXPECT_EQ(qobject_cast<QLabel*>(Item(p, 3010))->text(), "Kelvara 1.0");
        PointAt(dlg.m_link, {5, 5});
        EXPECT_FALSE(QToolTip::isVisible());
        QTest::qWaitFor([] { return QToolTip::isVisible(); }, 1000);
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : "none", strAddress);
        QTest::mouseClick(dlg.m_link, Qt::LeftButton);
        QTest::qWait(50);
        EXPECT_TRUE(dlg.isVisible());
        QTest::keyClick(p, Qt::Key_Space);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    theApp.m_pPlayer = nullptr;
    EXPECT_EQ(opened, QStringList{strAddress});
    ASSERT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>{4013});
    EXPECT_TRUE(RecordingWavePlayer::Instance().Calls()[0].bAsync);
}

// Guards against input that leaves the box open, ends it with Cancel, leaks to the window
// below, or opens the page from a click beside the link.
TEST(AboutDlg, AnyKeyRightOrMiddleClickOrLeftClickBesideTheLinkClosesIt)
{
    QLineEdit owner;
    owner.show();
    OpenedTargets opened;
    void (*inputs[])(QWidget*) = {
        [](QWidget* p) { QTest::keyClick(p->windowHandle(), Qt::Key_Escape); },
        [](QWidget* p) { QTest::keyClick(p->windowHandle(), Qt::Key_F, Qt::AltModifier); },
        [](QWidget* p) { QTest::mouseClick(Item(p, 3011), Qt::RightButton); },
        [](QWidget* p) { QTest::mouseClick(Item(p, 3010), Qt::MiddleButton); },
        [](QWidget* p) {
            QTest::mouseClick(p, Qt::LeftButton, {}, {2, 2});
        },
        [](QWidget* p) { QTest::mouseClick(Item(p, 3010), Qt::LeftButton); },
    };
    for (auto* pInput : inputs) {
        CAboutDlg dlg(&owner);
        WhenModal(pInput);
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
    EXPECT_TRUE(owner.text().isEmpty() && opened.isEmpty());
}
