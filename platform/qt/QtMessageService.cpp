#include "platform/qt/QtMessageService.h"

#include "foundation/gui/OKCancelDialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace {

// A word joiner between the characters of each word: a long message wraps at
// its blanks only, never inside a file name after a "/" or "-". The joiner
// takes no room and shows nothing. A word wider than the widest line a box
// has room for is left to break where it can, rather than be cut off.
QString WrappedAtBlanksOnly(const QString& text, const QFontMetrics& metrics, int lineWidth)
{
    const QChar joiner(0x2060);
    QString result;
    result.reserve(text.size() * 2);
    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype end = begin;
        while (end < text.size() && text[end].isSpace() == text[begin].isSpace())
            ++end;
        const QString run = text.mid(begin, end - begin);
        if (run[0].isSpace() || metrics.horizontalAdvance(run) > lineWidth) {
            result += run;
        } else {
            for (qsizetype i = 0; i < run.size(); ++i) {
                if (i > 0 && !run[i].isLowSurrogate())
                    result += joiner;
                result += run[i];
            }
        }
        begin = end;
    }
    return result;
}

// The widest line of a box on the screen: a box may be as wide as a small
// screen, on a larger one it leaves room around it and stays within 1000
// pixels; less the room of its icon and margins.
int WidestLine(const QScreen* screen)
{
    const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
    const int boxWidth = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
    return boxWidth - 150;
}

} // namespace

MsgAnswer QtMessageService::Show(const std::string& text, const std::string& caption, MsgIcon icon,
                                 MsgButtons buttons)
{
    QMessageBox box(parent);
    SetDialogWindowFlags(&box);
    box.setText(WrappedAtBlanksOnly(QString::fromStdString(text), box.fontMetrics(), WidestLine(box.screen())));
    box.setWindowTitle(QString::fromStdString(caption));
    switch (icon) {
    case MsgIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // A box shows the normal cursor even while the program is busy.
    int overrides = 0;
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
        ++overrides;
    }
    int result = box.exec();
    // Restore the busy cursors that were in force.
    for (int i = 0; i < overrides; ++i)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    switch (result) {
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: return buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
    }
}
