// The masked edit under any mask, text and keys (scripts/fuzz runs it offscreen).

#include <QApplication>
#include <QKeyEvent>

#include "FuzzInput.h"
#include "dialogs/MaskedEdit.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    new QApplication(*argc, *argv);  // never destroyed: Qt's globals may go first
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    MaskedEdit edit;
    edit.SetEditMask(QString::fromLatin1(input.Piece()));
    edit.SetText(QString::fromLatin1(input.Piece()));
    // Then keys: printable ones as typed, control keys by their low bits.
    static const int kKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Right,
                                Qt::Key_Home,      Qt::Key_End,    Qt::Key_Insert, Qt::Key_Return};
    for (const unsigned char c : input.rest) {
        QKeyEvent press = c >= 0x20 && c < 0x7F
                              ? QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)))
                              : QKeyEvent(QEvent::KeyPress, kKeys[c % 8], Qt::NoModifier);
        QApplication::sendEvent(&edit, &press);
    }
    (void)edit.Text();
    return 0;
}
