// What a player sees and does in the about box and its link; no other layer opens them.
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

QStringList g_opened; // what links would open, instead of a browser

} // namespace

TEST(HyperLink, TurnsBrightAndUnderlinedWhileHoveredShowsAHandAndOpensItsText)
{
    CHyperLink link;
    link.setText(QStringLiteral("Torvane"));
    link.resize(80, 20);
    link.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&link));
    link.Attach();
    const auto colour = [&link] { return link.palette().color(QPalette::WindowText); };
    const QColor normal = colour();
    EXPECT_FALSE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&link, {10, 10});
    EXPECT_NE(colour(), normal);
    EXPECT_TRUE(link.font().underline());
    QTest::qWait(300);
    EXPECT_FALSE(QToolTip::isVisible()) << "no tooltip was set";
    QTest::mouseMove(&link, {150, 80});
    const QDeadlineTimer soon(400); // a tick every 100 ms, with room for a busy machine
    EXPECT_TRUE(QTest::qWaitFor([&link] { return !link.m_bHovering; }, 1000));
    EXPECT_FALSE(soon.hasExpired());
    EXPECT_EQ(colour(), normal);
    EXPECT_FALSE(link.font().underline());
    g_opened.clear();
    SetShellOpener([](const QString& str) { g_opened.append(str); });
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(g_opened, QStringList{"Torvane"}) << "no target was set";
    SetShellOpener(nullptr);
}

// Over a text field, which would show a key that leaks through the box.
TEST(AboutDlg, AnyKeyOrClickClosesItAfterItsSoundButTheLinkOpensTheMakersPage)
{
    CPlayerSettings player(AppCore().m_nProgLang); // sound on
    AppCore().SetPlayer(&player);
    SetShellOpener([](const QString& str) { g_opened.append(str); });
    QLineEdit owner;
    owner.show();
    const struct Input {
        const char* pszInput;
        int nItem; // clicked with the button; 0: the key goes to the box
        Qt::MouseButton button;
        QKeyCombination key;
    } rows[] = {
        {"Escape", 0, Qt::NoButton, Qt::Key_Escape},
        {"Alt+F", 0, Qt::NoButton, Qt::ALT | Qt::Key_F},
        {"right click on the link", IDC_LINK, Qt::RightButton, {}},
        {"middle click", IDC_NAME_VERSION, Qt::MiddleButton, {}},
        {"left click", IDC_NAME_VERSION, Qt::LeftButton, {}},
        {"left click on the link", IDC_LINK, Qt::LeftButton, {}},
    };
    for (const Input& row : rows) {
        SCOPED_TRACE(row.pszInput);
        const bool bOnLink = row.nItem == IDC_LINK && row.button == Qt::LeftButton;
        g_opened.clear();
        RecordingWavePlayer::Instance().Clear();
        CAboutDlg dlg(&owner);
        WhenModal([&row, bOnLink](QWidget* pBox) {
            QTest::mouseMove(pBox, {1, 1}); // the pointer may rest where the last box had it
            QTest::mouseMove(Item(pBox, IDC_LINK), {5, 5});
            EXPECT_FALSE(QToolTip::isVisible()) << "the tooltip waits a moment";
            EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 1000));
            EXPECT_EQ(QToolTip::text(), MAKER_PAGE);
            if (row.nItem)
                QTest::mouseClick(Item(pBox, row.nItem), row.button);
            else
                QTest::keyClick(pBox->windowHandle(), row.key.key(), row.key.keyboardModifiers());
            EXPECT_EQ(pBox->isVisible(), bOnLink);
            if (bOnLink)
                QTest::keyClick(pBox->windowHandle(), Qt::Key_Escape);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(g_opened, bOnLink ? QStringList{MAKER_PAGE} : QStringList());
        EXPECT_EQ(Item(&dlg, IDC_NAME_VERSION)->property("text").toString(), "Kelvara 1.0");
        EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>{SND_ABOUT});
        EXPECT_TRUE(RecordingWavePlayer::Instance().Calls().value(0).bAsync);
    }
    AppCore().SetPlayer(nullptr);
    SetShellOpener(nullptr);
    EXPECT_EQ(owner.text(), "");
}
