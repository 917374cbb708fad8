#include "dialogs/AboutDlg.h"
#include "appcore/AppCore.h"
#include "controls/HyperLink.h"
#include "platform/ShellOpen.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"

#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace
{

const QString MAKER_PAGE = QStringLiteral("https://torvane.example/kelvara");

struct OpenedTargets : QStringList { // what links would open, instead of a browser
    OpenedTargets()
    {
        SetShellOpener([this](const QString& str) { append(str); });
    }
    ~OpenedTargets() { SetShellOpener(nullptr); }
};

// The about box over a text field, which would show a key leaking to it, with sound on.
struct AboutDlgTest : testing::Test {
    AboutDlgTest()
    {
        AppCore().SetPlayer(&m_player);
        RecordingWavePlayer::Instance().Clear();
        m_owner.show();
    }
    ~AboutDlgTest() override { AppCore().SetPlayer(nullptr); }
    // Runs the box; input acts on it once it shows. Returns how the box ended.
    int Run(void (*input)(QWidget* pBox))
    {
        CAboutDlg dlg(&m_owner);
        WhenModal(input);
        return dlg.DoModal();
    }
    CPlayerSettings m_player{AppCore().m_nProgLang}; // sound on
    QLineEdit m_owner;
    OpenedTargets m_opened;
};

} // namespace

// Guards against no hand, a hover look missing or not ending soon, a tooltip though none was set.
TEST(HyperLink, LooksLikeALinkBrightUnderlinedWhileHoveredAndOpensItsText)
{
    CHyperLink link;
    link.setText(QStringLiteral("Torvane"));
    link.resize(80, 20);
    link.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&link));
    link.Attach();
    const auto colour = [&link] { return link.palette().color(QPalette::WindowText).name(); };
    EXPECT_EQ(colour(), "#0000c0");
    EXPECT_FALSE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&link, {10, 10});
    EXPECT_EQ(colour(), "#0000ff");
    EXPECT_TRUE(link.font().underline());
    QTest::qWait(300);
    EXPECT_FALSE(QToolTip::isVisible());
    QTest::mouseMove(&link, {150, 80});
    const QDeadlineTimer soon(400); // a tick every 100 ms, with room for a busy machine
    EXPECT_TRUE(QTest::qWaitFor([&link] { return !link.m_bHovering; }, 1000));
    EXPECT_FALSE(soon.hasExpired());
    EXPECT_EQ(colour(), "#0000c0");
    EXPECT_FALSE(link.font().underline());
    OpenedTargets opened;
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{"Torvane"}); // no target was set
}

// Guards against a wrong name, a tooltip that comes at once, or a link click that closes the box.
TEST_F(AboutDlgTest, NamesTheProgramAndItsLinkOpensTheMakersPageLeavingTheBoxOpen)
{
    Run([](QWidget* pBox) {
        EXPECT_EQ(Item(pBox, IDC_NAME_VERSION)->property("text").toString(), "Kelvara 1.0");
        QTest::mouseMove(Item(pBox, IDC_LINK), {5, 5});
        EXPECT_FALSE(QToolTip::isVisible());
        EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 1000));
        EXPECT_EQ(QToolTip::text(), MAKER_PAGE);
        QTest::mouseClick(Item(pBox, IDC_LINK), Qt::LeftButton);
        EXPECT_TRUE(pBox->isVisible());
        QTest::keyClick(pBox->windowHandle(), Qt::Key_Escape);
    });
    EXPECT_EQ(m_opened, QStringList{MAKER_PAGE});
}

// Guards against input that leaves the box open, ends it with Cancel, reaches the window below
// or opens the page, and a sound that is missing or holds the box up.
TEST_F(AboutDlgTest, AnyOtherKeyOrClickClosesItWithOkAfterItsSound)
{
    void (*inputs[])(QWidget*) = {
        [](QWidget* p) { QTest::keyClick(p->windowHandle(), Qt::Key_Escape); },
        [](QWidget* p) { QTest::keyClick(p->windowHandle(), Qt::Key_F, Qt::AltModifier); },
        [](QWidget* p) { QTest::mouseClick(Item(p, IDC_LINK), Qt::RightButton); },
        [](QWidget* p) { QTest::mouseClick(Item(p, IDC_NAME_VERSION), Qt::MiddleButton); },
        [](QWidget* p) { QTest::mouseClick(Item(p, IDC_NAME_VERSION), Qt::LeftButton); },
    };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Run(inputs[i]), IDOK) << "input " << i;
    EXPECT_EQ(m_owner.text(), "");
    EXPECT_EQ(m_opened, QStringList());
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>(5, SND_ABOUT));
    EXPECT_TRUE(RecordingWavePlayer::Instance().Calls().value(0).bAsync);
}
