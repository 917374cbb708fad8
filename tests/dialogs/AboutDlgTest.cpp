#include "dialogs/AboutDlg.h"
#include "appcore/AppCore.h"
#include "controls/HyperLink.h"
#include "platform/ShellOpen.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"

#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

struct OpenedTargets : QStringList { // what links would open, instead of a browser
    OpenedTargets()
    {
        SetShellOpener([this](const QString& str) { append(str); });
    }
    ~OpenedTargets() { SetShellOpener(nullptr); }
};

// Guards against no hand, a hover look missing or not ending soon, a tooltip though none was set.
TEST(HyperLink, HandHoverLookThatEndsSoonDefaultTargetAndNoTooltipUnlessSet)
{
    CHyperLink link;
    link.setText(QStringLiteral("Torvane"));
    link.resize(80, 20);
    link.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&link));
    link.Attach();
    auto look = [&link] {
        return link.palette().color(QPalette::WindowText).name() +
               (link.font().underline() ? " underlined" : "") +
               (link.cursor().shape() == Qt::PointingHandCursor ? " hand" : "");
    };
    EXPECT_EQ(look(), "#0000c0 hand");
    QTest::mouseMove(&link, {10, 10});
    EXPECT_EQ(look(), "#0000ff underlined hand");
    QTest::qWait(300);
    EXPECT_FALSE(QToolTip::isVisible());
    QTest::mouseMove(&link, {150, 80});
    const QDeadlineTimer soon(400); // a tick every 100 ms, with room for a busy machine
    EXPECT_TRUE(QTest::qWaitFor([&link] { return !link.m_bHovering; }, 1000) && !soon.hasExpired());
    EXPECT_EQ(look(), "#0000c0 hand");
    OpenedTargets opened;
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{"Torvane"});
}

// Guards against a wrong name, sound or tooltip, a link click that closes the box, and other
// input that leaves it open, ends it with Cancel, leaks to the window below or opens the page.
TEST(AboutDlg, LinkOpensThePageLeavingItOpenAndAnyOtherKeyOrClickClosesIt)
{
    CPlayerSettings player(AppCore().m_nProgLang); // sound on
    AppCore().SetPlayer(&player);
    RecordingWavePlayer::Instance().Clear();
    QLineEdit owner;
    owner.show();
    OpenedTargets opened;
    void (*inputs[])(QWidget*) = {
        [](QWidget* p) { // the tooltip comes after a delay; a click on the link keeps the box
            EXPECT_EQ(Item(p, 3010)->property("text").toString(), "Kelvara 1.0");
            QTest::mouseMove(Item(p, 3011), {5, 5});
            EXPECT_FALSE(QToolTip::isVisible());
            EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 1000));
            EXPECT_EQ(QToolTip::text(), "https://torvane.example/kelvara");
            QTest::mouseClick(Item(p, 3011), Qt::LeftButton);
            EXPECT_TRUE(p->isVisible());
            QTest::keyClick(p->windowHandle(), Qt::Key_Escape);
        },
        [](QWidget* p) { QTest::keyClick(p->windowHandle(), Qt::Key_F, Qt::AltModifier); },
        [](QWidget* p) { QTest::mouseClick(Item(p, 3011), Qt::RightButton); },
        [](QWidget* p) { QTest::mouseClick(Item(p, 3010), Qt::MiddleButton); },
        [](QWidget* p) { QTest::mouseClick(Item(p, 3010), Qt::LeftButton); },
    };
    for (auto* pInput : inputs) {
        CAboutDlg dlg(&owner);
        WhenModal(pInput);
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
    AppCore().SetPlayer(nullptr);
    EXPECT_TRUE(owner.text().isEmpty() && opened == QStringList{"https://torvane.example/kelvara"});
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>(5, 4013));
    EXPECT_TRUE(RecordingWavePlayer::Instance().Calls().value(0).bAsync);
}
