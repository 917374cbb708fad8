#pragma once

#include <QString>
#include <functional>

class QWidget;
class QAbstractButton;

// Acts on the next modal dialog once it is open: the action runs from the event loop
// with QApplication::activeModalWidget() as soon as there is one other than pOuter.
void WhenModal(std::function<void(QWidget* pDialog)> action, QWidget* pOuter = nullptr);

// Finds a dialog's control by its id.
QWidget* Item(QWidget* pDialog, int nId);
QAbstractButton* Button(QWidget* pDialog, int nId);
void Click(QWidget* pDialog, int nId);

// A shown text with the invisible marks that isolate a player's name spelled as ‹ and ›.
inline const auto Marked = [](QString s) {
    return s.replace(u'\u2068', u'‹').replace(u'\u2069', u'›');
};

// While it lives, every modal dialog that opens is handed to the action (once each),
// which is expected to close it. Counts the dialogs it saw.
class ModalWatcher
{
public:
    explicit ModalWatcher(std::function<void(QWidget* pDialog)> action);
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    int Count() const { return m_nSeen; }

private:
    class Poller;
    Poller* m_pPoller;
    int m_nSeen = 0;
};
